#pragma once
// The window shown while the program starts: a picture of a molecular graph, the
// program's name and icon.

#include <QImage>
#include <QWidget>

namespace grafida::app {

class TFormSplash final : public QWidget {
    Q_OBJECT
public:
    // picture: the JPEG bytes of the splash picture (decoded with libjpeg).
    explicit TFormSplash(const QByteArray& picture, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace grafida::app
