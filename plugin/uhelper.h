// The working folder and the archive: listing the files the dialog copied, packing them into
// the host's Connect.zip, and wiping the folder at the end of an import.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mtp {

using FileList = std::vector<std::u16string>;

// Appends the names (without the folder) of the entries of `folder` matching `mask`, hidden
// and system ones included; entries whose attributes are exactly the plain folder value
// (16), "." and ".." are left out. Returns the number of names in `list` afterwards.
int32_t ListFolderFiles(const std::u16string& folder, const std::u16string& mask, FileList& list);

// Packs the files named in `list`, which lie in `folder`, into a new archive at
// `archivePath`, each under its bare name; folders among them are passed over, and with no
// file among them nothing is written. The archive is written beside its final name and
// moved over an existing one only when complete.
// Throws FileError naming the path and the reason when it cannot be written; an archive
// that was there before is then left as it was, and no temporary file remains.
void ZipFiles(const std::u16string& archivePath, const std::u16string& folder,
              const FileList& list);

// Deletes the files of `folder` (a file whose attributes are exactly read-only, hidden,
// system and archive is made deletable first; other read-only files stay), makes the root
// of its drive the current directory and removes the folder. Not recursive: a subfolder
// stays, and with it the folder. A path of 4 characters or fewer, or one that names no
// folder, is left alone. Every single failure is passed over.
void WipeFolder(const std::u16string& folder);

} // namespace mtp
