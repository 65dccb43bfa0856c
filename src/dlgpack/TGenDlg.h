#pragma once
// A one-line prompt for a text value.

#include <QDialog>

class QLabel;
class QLineEdit;

namespace grafida::dlgpack {

class TGenDlg final : public QDialog {
    Q_OBJECT
public:
    explicit TGenDlg(QWidget* owner);

    void SetTexts(const char* caption, const char* prompt);
    void SetValue(const QString& value);
    QString Value() const;

private:
    QLabel* lbPrompt_;
    QLineEdit* Edit_;
};

} // namespace grafida::dlgpack
