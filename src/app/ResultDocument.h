#pragma once
// A document window that shows a result other than text (a table, a plot): the main
// window's File and Edit menus act on it while it is active.

namespace grafida::app {

class ResultDocument {
public:
    virtual ~ResultDocument() = default;
    // Asks where and writes the document there; true when it was written.
    virtual bool SaveAs() = 0;
    // Puts the selection (everything when nothing is selected) on the clipboard.
    virtual void CopyToClipboard() = 0;
    virtual void SelectAll() = 0;
};

} // namespace grafida::app
