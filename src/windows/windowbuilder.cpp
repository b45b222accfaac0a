#include "windows/windowbuilder.h"

#include "windows/colours.h"
#include "windows/multilinebox.h"
#include "windows/picturebox.h"
#include "windows/screenfit.h"
#include "windows/twips.h"
#include "windows/windowresources.h"
#include "windows/wrapbutton.h"

#include <QCheckBox>
#include <QColor>
#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include <algorithm>
#include <vector>

namespace virdo {

namespace {

QFont fontFor(const FontChoice &choice, double scale)
{
    QFont font(QString::fromUtf8(choice.face));
    font.setPointSizeF(choice.points * scale);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    return font;
}

void setColour(QWidget *widget, QPalette::ColorRole role, int rgb)
{
    if (rgb == defaultColour)
        return;
    QPalette palette = widget->palette();
    palette.setColor(role, QColor::fromRgb(QRgb(rgb)));
    widget->setPalette(palette);
}

QWidget *createControl(const ControlRow &row, QWidget *window)
{
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
    case Kind::Button: {
        auto *button = new WrapButton(text, window);
        button->setAutoDefault(false);
        return button;
    }
    case Kind::TextBox: {
        auto *box = new QLineEdit(text, window);
        box->setAlignment(row.alignment | Qt::AlignVCenter);
        if (row.maxLength > 0)
            box->setMaxLength(row.maxLength);
        setColour(box, QPalette::Text, row.textColour);
        setColour(box, QPalette::Base, backgroundFor(row, box->palette().color(QPalette::Base), designBoxBase));
        return box;
    }
    case Kind::MultiLineTextBox: {
        auto *box = new MultiLineBox(window);
        box->setText(text);
        setColour(box, QPalette::Text, row.textColour);
        setColour(box, QPalette::Base, backgroundFor(row, box->palette().color(QPalette::Base), designBoxBase));
        return box;
    }
    case Kind::Label: {
        auto *label = new QLabel(text, window);
        label->setWordWrap(true);
        label->setAlignment(row.alignment | Qt::AlignTop);
        label->setAutoFillBackground(true);
        label->setFocusPolicy(Qt::NoFocus);
        setColour(label, QPalette::WindowText, row.textColour);
        setColour(label, QPalette::Window, backgroundFor(row, window->palette().color(QPalette::Window), designFace));
        return label;
    }
    case Kind::CheckBox:
        return new QCheckBox(window);
    case Kind::PictureBox:
        return new PictureBox(window);
    }
    return nullptr;
}

// A line edit lays its text out again as soon as it gets a font, and that loads the face.
// For a box hidden at start (the computer's italic message), that face would be loaded for
// a first frame that does not show it: the box keeps its font but lays out in it only as
// it first shows, before it is painted.
class RelayoutWhenShown final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FontChange) {
            m_fontChanged = true;
            return true;
        }
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            if (m_fontChanged) {
                QEvent change(QEvent::FontChange);
                QCoreApplication::sendEvent(watched, &change);
            }
            deleteLater();
        }
        return false;
    }

private:
    bool m_fontChanged = false;
};

// A free face can run a little wider than the face the window names; a one-line label
// is then condensed just enough to show its whole caption instead of wrapping out of sight.
void condenseToFit(QLabel *label, int width, int height)
{
    const QFontMetrics metrics(label->font());
    if (height >= 2 * metrics.lineSpacing())
        return;
    const int needed = metrics.horizontalAdvance(label->text());
    if (needed <= width)
        return;
    QFont font = label->font();
    font.setStretch(std::max(80, 100 * width / needed));
    label->setFont(font);
}

// Made smaller to fit a screen, a label of several lines can come out taller than its place,
// its lines rounded to whole pixels: its font gives way a little more, until they fit.
void shrinkLinesToFit(QLabel *label, int width, int height)
{
    QFont font = label->font();
    for (int step = 0; step < 10 && label->heightForWidth(width) > height; ++step) {
        font.setPointSizeF(font.pointSizeF() * 0.98);
        label->setFont(font);
    }
}

} // namespace

std::vector<QWidget *> buildWindow(QWidget *window, const WindowTable &table, WindowResources &resources)
{
    window->setObjectName(QString::fromUtf8(table.name));
    window->setWindowTitle(QString::fromUtf8(table.caption));
    if (table.icon)
        window->setWindowIcon(resources.icon(table.icon));
    if (table.background != defaultColour) {
        setColour(window, QPalette::Window, table.background);
        window->setAutoFillBackground(true);
    } else if (!labelsRead(table, window->palette().color(QPalette::Window))) {
        // The labels are painted on the window: on a theme they do not read on, the window
        // takes the design's face, with the design's text on it for the labels of no colour.
        setColour(window, QPalette::Window, designFace);
        setColour(window, QPalette::WindowText, designFaceText);
        window->setAutoFillBackground(true);
    }

    // On the screen it opens on, at the size that fits there.
    window->setScreen(screenForNewWindow(window));
    const QSize design(twipsToPixelsX(window, table.clientWidth), twipsToPixelsY(window, table.clientHeight));
    const QMargins frame = resources.expectedFrame().isNull() ? assumedFrame() : resources.expectedFrame();
    QScreen *screen = window->screen();
    // Never below the design's own pixels at 96 dpi: the smallest captions would not read.
    const double scale = scaleToFit(design, frame, screen->availableGeometry(), 1.0 / screen->devicePixelRatio());
    setTwipsScale(window, scale);
    if (table.font.face)
        window->setFont(fontFor(table.font, scale));

    const QSize client(twipsToPixelsX(window, table.clientWidth), twipsToPixelsY(window, table.clientHeight));
    if (table.fixedFrame)
        window->setFixedSize(client);
    else
        window->resize(client);

    // Widgets created later are drawn above earlier ones, so the bottom row comes first.
    std::vector<QWidget *> controls(table.controls.size());
    std::vector<std::pair<int, QWidget *>> focusable;
    for (auto row = table.controls.rbegin(); row != table.controls.rend(); ++row) {
        QWidget *control = createControl(*row, window);
        controls[std::size_t(table.controls.rend() - row - 1)] = control;
        control->setObjectName(QString::fromUtf8(row->name));
        if (row->kind == Kind::TextBox && !row->shown)
            control->installEventFilter(new RelayoutWhenShown(control));
        if (row->font.face)
            control->setFont(fontFor(row->font, scale));
        if (row->kind == Kind::Label) {
            auto *label = qobject_cast<QLabel *>(control);
            const int width = twipsToPixelsX(window, row->width);
            const int height = twipsToPixelsY(window, row->height);
            condenseToFit(label, width, height);
            if (scale < 1.0)
                shrinkLinesToFit(label, width, height);
        }
        if (row->accessibleName)
            control->setAccessibleName(QString::fromUtf8(row->accessibleName));
        control->setGeometry(twipsToPixelsX(window, row->left), twipsToPixelsY(window, row->top),
                             twipsToPixelsX(window, row->width), twipsToPixelsY(window, row->height));
        control->setVisible(row->shown);
        if (control->focusPolicy() != Qt::NoFocus)
            focusable.emplace_back(row->tabIndex, control);
    }

    std::sort(focusable.begin(), focusable.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
    // The focus starts in the first control of the tab order that is shown.
    for (const auto &[tab, control] : focusable) {
        if (!control->isHidden()) {
            control->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
    return controls;
}

} // namespace virdo
