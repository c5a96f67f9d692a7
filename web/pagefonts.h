#pragma once

// Adds the faces the page put in /fonts: a browser lends a program none of its own.
void addPageFonts();
