// Copying the selected grid rows' files from their devices into the working folder.
#pragma once

#include <cstdint>
#include <string>

#include "dialog/local_file_name.h"
#include "dialog/my_list.h"
#include "toolkit/status_bar.h"
#include "toolkit/string_grid.h"

namespace mtp {

// What the copy works on: the dialog's grid, found-file list, status bar (panel 1 the
// progress bar, panel 2 the stage text), its copy count fcounter, and the local names it
// keeps between Imports.
struct TCopyContext {
    tk::TStringGrid& gridFiles;
    const TMyList& fMyList;
    std::u16string workFolder;
    tk::TStatusBar& stbar;
    int32_t& fcounter;
    TLocalFileNames& localNames;
};

// Shows "Copy files..."; with an empty list stops there. Otherwise walks the data rows top to
// bottom (a progress step and a paint pass each) and copies every row inside the selection
// that carries a device identifier (column 5): the object of column 4 goes into the working
// folder under a safe, distinct local name derived from column 0, gets the date of its own
// record (found by DevID and OName, never by row position), and counts once per object.
// Rows whose device does not deliver are skipped. Ends with the progress at 0 and "OK!". An
// error (a local file that cannot be created) passes on, leaving the files copied so far
// and their count.
void CopySelectedFiles(const TCopyContext& ctx);

} // namespace mtp
