#pragma once
// Resource identifiers shared by DovizClock.rc and the code.
#define IDI_DOVIZCLOCK 100
#define IDB_CAPTION 101
#define IDB_GLYPH_OK 110
#define IDB_GLYPH_CANCEL 111
// Alarm dialogs.
#define IDI_ALARMS 220
#define IDB_GLYPH_ADD 221
#define IDB_GLYPH_DELETE 222
#define IDB_GLYPH_MODIFY 223
#define IDB_GLYPH_PLAY 224
#define IDB_GLYPH_FOLDER 225
#define IDB_GLYPH_ELLIPSIS 226
#define IDB_GLYPH_MASK 227
#define IDB_GLYPH_PREV_YEAR 280
#define IDB_GLYPH_PREV_MONTH 281
#define IDB_GLYPH_NEXT_MONTH 282
#define IDB_GLYPH_NEXT_YEAR 283
