#pragma once
// The keyboard shortcuts a window's actions answer to, for tests that check a
// window's keys: which key an item has, and that no key starts two items (Qt
// then starts neither and only reports an ambiguous shortcut).
#include <QAction>
#include <QHash>
#include <QStringList>
#include <QWidget>

namespace gw::platform::testing {

// Every key sequence held by more than one action of `window` (menus and
// submenus included), written in portable text; empty when each key is unique.
inline QStringList repeatedShortcuts(const QWidget& window)
{
    QHash<QString, int> uses;
    for (const QAction* action : window.findChildren<QAction*>())
        for (const QKeySequence& key : action->shortcuts())
            ++uses[key.toString(QKeySequence::PortableText)];
    QStringList repeated;
    for (auto it = uses.cbegin(); it != uses.cend(); ++it)
        if (it.value() > 1)
            repeated << it.key();
    return repeated;
}

} // namespace gw::platform::testing
