// Renders every label of a ZPL file to PNG with an independent renderer:
//   node ciz.mjs FILE.zpl WIDTH_MM HEIGHT_MM DOTS_PER_MM OUT_PREFIX
// writes OUT_PREFIX-1.png, OUT_PREFIX-2.png, ... and prints how many.
import { ready } from "zpl-renderer-js";
import fs from "node:fs";

const [dosya, en, boy, dpmm, onek] = process.argv.slice(2);
const { api } = await ready;
const etiketler = await api.zplToBase64MultipleAsync(
  fs.readFileSync(dosya, "utf8"), Number(en), Number(boy), Number(dpmm));
etiketler.forEach((e, i) => fs.writeFileSync(`${onek}-${i + 1}.png`, Buffer.from(e, "base64")));
console.log(etiketler.length);
