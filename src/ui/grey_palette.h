#ifndef LUMOX_UI_GREY_PALETTE_H
#define LUMOX_UI_GREY_PALETTE_H

#include <QColor>
#include <QPalette>

namespace lumox {

// Dialogs and the Build Equation form are light grey with black text; disabled text is a
// darker grey, so a greyed control still reads on the grey ground.
inline QPalette GreyPalette(QPalette palette) {
    const QColor grey(192, 192, 192);
    const QColor greyedText(128, 128, 128);
    palette.setColor(QPalette::Window, grey);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, Qt::black);
        palette.setColor(group, QPalette::ButtonText, Qt::black);
    }
    palette.setColor(QPalette::Disabled, QPalette::WindowText, greyedText);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, greyedText);
    palette.setColor(QPalette::Disabled, QPalette::Text, greyedText);
    return palette;
}

}  // namespace lumox

#endif
