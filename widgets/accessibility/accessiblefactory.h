#pragma once

#include <QAccessible>

// Adds a control's accessibility factory to Qt's, once however many of the
// control are made: Qt asks each factory for every widget it reads.
void installAccessibleFactory(QAccessible::InterfaceFactory factory);
