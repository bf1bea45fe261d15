// Renders every label of ZPL files to PNG with an independent renderer, in one start
// of it (the renderer takes a second to load):
//   node ciz.mjs WIDTH_MM HEIGHT_MM DOTS_PER_MM FILE.zpl... [DOTS_PER_MM FILE.zpl...]
// writes FILE-1.png, FILE-2.png, ... (FILE without ".zpl") and prints how many
// labels each file had, separated by spaces. A number among the files sets the dots a
// millimetre for the files after it.
import fs from "node:fs";
import v8 from "node:v8";

// The renderer is 7 MB of WebAssembly run for a moment: its baseline compile is
// enough, and optimising it would cost the tests more time than it saves.
v8.setFlagsFromString("--liftoff-only");
const { ready } = await import("zpl-renderer-js");

const [en, boy, ilk, ...dosyalar] = process.argv.slice(2);
const { api } = await ready;
const sayilar = [];
let dpmm = Number(ilk);
for (const dosya of dosyalar) {
  if (/^[0-9.]+$/.test(dosya)) {
    dpmm = Number(dosya);
    continue;
  }
  const etiketler = await api.zplToBase64MultipleAsync(
    fs.readFileSync(dosya, "utf8"), Number(en), Number(boy), dpmm);
  const onek = dosya.replace(/\.zpl$/, "");
  etiketler.forEach((e, i) => fs.writeFileSync(`${onek}-${i + 1}.png`, Buffer.from(e, "base64")));
  sayilar.push(etiketler.length);
}
console.log(sayilar.join(" "));
// The renderer's runtime keeps timers of its own alive: do not wait for them.
process.exit(0);
