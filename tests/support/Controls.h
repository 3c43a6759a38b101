#pragma once

#include "forms/FormControls.h"

#include <QString>

class QWidget;

// A window's controls, by the names its design gives them: the window's own
// FormControls, found among its children as any other child object is.
const FormControls &controlsOf(const QWidget &window);

// What a label or a button shows: its caption; nothing for other controls.
QString captionOf(const QWidget *control);

// The name a screen reader says for a widget.
QString spokenName(QWidget *widget);
