#include "SqliteIslevleri.h"

#include "Kutuphane.h"

const SqliteIslevleri *SqliteIslevleri::Yukle() {
    static const SqliteIslevleri s = [] {
        SqliteIslevleri s;
        Kutuphane l(QStringLiteral("sqlite3"), 0);
        l(s.busy_handler, "sqlite3_busy_handler")(s.interrupt, "sqlite3_interrupt")(
            s.prepare_v2, "sqlite3_prepare_v2")(s.prepare16_v2, "sqlite3_prepare16_v2")(
            s.column_count, "sqlite3_column_count")(s.bind_int64, "sqlite3_bind_int64")(
            s.bind_text, "sqlite3_bind_text")(s.step, "sqlite3_step")(s.reset, "sqlite3_reset")(
            s.finalize, "sqlite3_finalize")(s.changes, "sqlite3_changes")(
            s.errmsg, "sqlite3_errmsg")(s.errmsg16, "sqlite3_errmsg16")(
            s.bind_text16, "sqlite3_bind_text16")(s.bind_parameter_count,
                                                  "sqlite3_bind_parameter_count");
        l(s.column_name16, "sqlite3_column_name16")(s.column_type, "sqlite3_column_type")(
            s.column_int64, "sqlite3_column_int64")(s.column_double, "sqlite3_column_double")(
            s.column_text16, "sqlite3_column_text16")(s.column_bytes16, "sqlite3_column_bytes16")(
            s.column_blob, "sqlite3_column_blob")(s.column_bytes, "sqlite3_column_bytes");
        if (!l.Tamam())
            s.busy_handler = nullptr;
        return s;
    }();
    return s.busy_handler ? &s : nullptr;
}
