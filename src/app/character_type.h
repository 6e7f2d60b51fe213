#pragma once

// Qt needs a UTF-8 character type. Where the user's locale (LC_ALL, LC_CTYPE
// or LANG) gives none, as "C" or "POSIX" do, or names a locale not installed
// here, the character type becomes the same language in UTF-8, or else
// C.UTF-8; every other category stays as the user set it, so numbers still
// follow LC_NUMERIC. Qt, which switches to UTF-8 by itself with a warning,
// then starts silently. For before the application starts: it changes the
// environment.
void keepCharacterTypeUtf8();
