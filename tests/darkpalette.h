#pragma once

// The palette of a dark desktop, as Fusion shows it with a dark colour scheme: for the tests
// and the screenshots of the dark theme.

#include <QPalette>

inline QPalette DarkPalette() {
    QPalette p;
    const QColor window(0x35, 0x35, 0x35), base(0x23, 0x23, 0x23), text(0xee, 0xee, 0xee);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Base, base);
        p.setColor(group, QPalette::AlternateBase, QColor(0x2c, 0x2c, 0x2c));
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::Button, window);
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::ToolTipBase, QColor(0x20, 0x20, 0x20));
        p.setColor(group, QPalette::ToolTipText, text);
        p.setColor(group, QPalette::PlaceholderText, QColor(0x90, 0x90, 0x90));
        p.setColor(group, QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
        p.setColor(group, QPalette::HighlightedText, Qt::white);
        p.setColor(group, QPalette::Light, QColor(0x50, 0x50, 0x50));
        p.setColor(group, QPalette::Midlight, QColor(0x45, 0x45, 0x45));
        p.setColor(group, QPalette::Mid, QColor(0x28, 0x28, 0x28));
        p.setColor(group, QPalette::Dark, QColor(0x1e, 0x1e, 0x1e));
        p.setColor(group, QPalette::Shadow, QColor(0x10, 0x10, 0x10));
    }
    p.setColor(QPalette::Disabled, QPalette::Window, window);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    p.setColor(QPalette::Disabled, QPalette::Button, window);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return p;
}
