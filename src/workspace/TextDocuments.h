#pragma once
// What the text windows do with their text, apart from showing it: the caption of
// a new window, where Save writes, writing the file, and turning the text back into
// stored matrices.

#include "workspace/Workspace.h"

#include <string>
#include <string_view>

namespace grafida {

// "NONAME%d" for the next new window when openWindows text windows are open.
std::string NewDocumentCaption(int openWindows);

// Where Save writes a window captioned caption without asking: WorkDir/caption.
// "" when Save must ask instead (a NONAME caption, a caption that is no plain file
// name, or that file exists already, so that only the Save as dialog, which asks
// first, replaces a file).
std::string DirectSavePath(const std::string& workDir, const std::string& caption);

// Writes text as a file with CR LF line ends, atomically. False after telling the
// user, the old file (if any) untouched.
bool WriteTextFile(const std::string& path, std::string_view text);

// Keeps every matrix that the matrix reader finds in text (a taken name is not
// kept) and tells "%d matrices loaded"; returns the number kept. The text is read
// in memory: no file of the user's is written or replaced on the way.
int LoadMatricesToList(Workspace& workspace, std::string_view text);

// The file name part of path (the caption Save as gives a window).
std::string FileNameOf(const std::string& path);

} // namespace grafida
