#pragma once

#include <QString>
#include <QStringList>

// The 22 lines the help window prints, in the user's language, each exactly as
// shown, leading ideographic spaces and trailing spaces included.
QStringList helpText();
