#pragma once

#include <QKeySequence>

// The key that opens the keying practice, from the launcher and from the
// introduction alike.
inline QKeySequence practiceShortcut()
{
    return QKeySequence(Qt::CTRL | Qt::Key_K);
}
