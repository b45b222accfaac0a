#pragma once

#include <QTextEdit>

namespace virdo {

// An editable text box of several lines: it wraps at blanks, has no scroll bars,
// centres every line and breaks lines at CR LF.
class MultiLineBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit MultiLineBox(QWidget *parent = nullptr);

    // The text with its line breaks as CR LF, as the game wrote it.
    QString text() const;
    void setText(const QString &text);
};

} // namespace virdo
