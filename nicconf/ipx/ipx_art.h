#pragma once
// The context tree's bitmaps, in the resource script of the module that
// holds them (ipx_art.rc).
#define IDB_IPX_CONTEXT_ROOT 404
#define IDB_IPX_CONTEXT_ITEM 405
#define IDB_IPX_CONTEXT_SELECTED 406
