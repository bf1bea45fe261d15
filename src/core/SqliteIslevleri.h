#pragma once

#include <sqlite3.h>

// SQLite's functions, from the library Qt's SQLite driver loaded: not linked, so a run
// on another engine does without it, and the program calls the very library the
// driver's connections live in. Null when it cannot be loaded.
struct SqliteIslevleri {
    decltype(&sqlite3_busy_handler) busy_handler = nullptr;
    decltype(&sqlite3_interrupt) interrupt = nullptr;
    decltype(&sqlite3_prepare_v2) prepare_v2 = nullptr;
    decltype(&sqlite3_prepare16_v2) prepare16_v2 = nullptr;
    decltype(&sqlite3_column_count) column_count = nullptr;
    decltype(&sqlite3_column_name16) column_name16 = nullptr;
    decltype(&sqlite3_column_type) column_type = nullptr;
    decltype(&sqlite3_column_int64) column_int64 = nullptr;
    decltype(&sqlite3_column_double) column_double = nullptr;
    decltype(&sqlite3_column_text16) column_text16 = nullptr;
    decltype(&sqlite3_column_bytes16) column_bytes16 = nullptr;
    decltype(&sqlite3_column_blob) column_blob = nullptr;
    decltype(&sqlite3_column_bytes) column_bytes = nullptr;
    decltype(&sqlite3_bind_int64) bind_int64 = nullptr;
    decltype(&sqlite3_bind_text) bind_text = nullptr;
    decltype(&sqlite3_bind_text16) bind_text16 = nullptr;
    decltype(&sqlite3_bind_parameter_count) bind_parameter_count = nullptr;
    decltype(&sqlite3_step) step = nullptr;
    decltype(&sqlite3_reset) reset = nullptr;
    decltype(&sqlite3_finalize) finalize = nullptr;
    decltype(&sqlite3_changes) changes = nullptr;
    decltype(&sqlite3_errmsg) errmsg = nullptr;
    decltype(&sqlite3_errmsg16) errmsg16 = nullptr;

    static const SqliteIslevleri *Yukle();
};
