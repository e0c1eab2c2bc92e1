#pragma once
#include <QColor>
#include <QPalette>

// A dark desktop theme as Adwaita's dark variant paints it.
inline QPalette DarkPalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEC));
    dark.setColor(QPalette::Base, QColor(0x2D, 0x2D, 0x2D));
    dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEC));
    dark.setColor(QPalette::Button, QColor(0x3A, 0x3A, 0x3A));
    dark.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEC));
    dark.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9E));
    dark.setColor(QPalette::HighlightedText, QColor(0xFF, 0xFF, 0xFF));
    dark.setColor(QPalette::Link, QColor(0x8A, 0xB4, 0xF8));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x91, 0x91, 0x90));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x91, 0x91, 0x90));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x91, 0x91, 0x90));
    return dark;
}
