#pragma once
// Resource identifiers shared by DovizClock.rc and the code.
#define IDI_DOVIZCLOCK 100
#define IDB_CAPTION 101
#define IDB_GLYPH_OK 110
#define IDB_GLYPH_CANCEL 111
#define IDB_GLYPH_PREV_YEAR 280
#define IDB_GLYPH_PREV_MONTH 281
#define IDB_GLYPH_NEXT_MONTH 282
#define IDB_GLYPH_NEXT_YEAR 283
