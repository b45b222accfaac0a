#pragma once

#include "windows/gamewindow.h"
#include "windows/windowresources.h"
#include "windows/gametables.h"

namespace virdo {

// A game window whose controls are reached by the names of Key: a misspelt name does not
// compile, and each accessor hands back the widget the control is made of.
template<typename Key>
class Window : public GameWindow
{
public:
    explicit Window(WindowResources &resources, QWidget *parent = nullptr)
        : GameWindow(tableOf<Key>(), resources, parent)
    {
    }

    QWidget *control(Key key) const { return controlAt(row(key)); }
    QAbstractButton *button(Key key) const { return buttonAt(row(key)); }
    QLineEdit *textBox(Key key) const { return textBoxAt(row(key)); }
    MultiLineBox *multiLineBox(Key key) const { return multiLineBoxAt(row(key)); }
    QLabel *label(Key key) const { return labelAt(row(key)); }
    QCheckBox *checkBox(Key key) const { return checkBoxAt(row(key)); }
    PictureBox *pictureBox(Key key) const { return pictureBoxAt(row(key)); }

private:
    static std::size_t row(Key key) { return static_cast<std::size_t>(key); }
};

using VirdoWindow = Window<VirdoControl>;
using RejouerWindow = Window<RejouerControl>;
using EurekaWindow = Window<EurekaControl>;

} // namespace virdo
