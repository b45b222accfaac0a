#pragma once

#include <QFrame>
#include <QPixmap>

namespace virdo {

// Draws its picture at the picture's own size from the top-left corner, clips what
// does not fit, and shows the 3-D face colour where the picture does not reach.
class PictureBox : public QFrame
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};

} // namespace virdo
