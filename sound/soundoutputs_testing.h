#pragma once

#include <QString>

// Tests run from folders of their own, away from the program the module is
// built beside: they name it before anything plays.
void useSoundModule(const QString& path);
