#pragma once

#include <functional>

class QWidget;

// Called before a handler disables controls of `window`: when the control that
// has the window's keyboard focus is among those `goingOff` names, the focus
// moves once, to the next enabled button in the tab order that stays on. A
// focused button that is disabled passes the focus on by itself, through every
// button after it that is about to go off too, and a screen reader hears each
// on the way; moved first, it moves once and never falls to nothing.
// Returns the control that then has the focus.
QWidget* keepFocus(QWidget* window, const std::function<bool(const QWidget*)>& goingOff);
