#include "workspace/TextDocuments.h"

#include "numeric/Error.h"
#include "numeric/MatrixText.h"
#include "numeric/Reporter.h"
#include "numeric/TextFile.h"
#include "workspace/ShellMessages.h"

#include <filesystem>

namespace grafida {

namespace {
// The name the reader's messages give the text, as the file it once went through.
constexpr const char* kTextName = "TempMatFile.m";
} // namespace

std::string NewDocumentCaption(int openWindows) {
    return FormatMessage("NONAME%d", openWindows + 1);
}

std::string DirectSavePath(const std::string& workDir, const std::string& caption) {
    if (caption.find("NONAME") != std::string::npos || caption.empty())
        return "";
    // A caption made from a matrix name read from a file can hold anything: one that
    // is not a plain file name would write outside WorkDir or into a folder.
    if (caption == "." || caption == ".." ||
        caption.find_first_of(std::string_view("/\0", 2)) != std::string::npos)
        return "";
    const std::string path = workDir + "/" + caption;
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(path, error)))
        return "";
    return path;
}

bool WriteTextFile(const std::string& path, std::string_view text) {
    std::string crlf;
    crlf.reserve(text.size() + text.size() / 16);
    for (const std::string_view line : SplitLines(text)) {
        crlf.append(line);
        crlf += "\r\n";
    }
    if (WriteFileAtomically(path, crlf))
        return true;
    ShowError(kCannotWriteFile, path);
    return false;
}

int LoadMatricesToList(Workspace& workspace, std::string_view text) {
    TContainer read;
    LoadMatricesFromText(text, kTextName, read);
    const int before = workspace.matrices.Count();
    for (int i = 0; i < read.Count(); ++i) {
        auto matrix = std::make_unique<TFLOATARRAY>();
        matrix->Assign(*read.ItemAs<TFLOATARRAY>(i));
        workspace.matrices.Add(std::move(matrix));
    }
    const int added = workspace.matrices.Count() - before;
    ShowInformation(kMatricesLoaded, added);
    return added;
}

std::string FileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

} // namespace grafida
