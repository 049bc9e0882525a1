#pragma once
// The language of the program's own messages and of Qt's dialog texts.

class QLocale;

namespace rk {

// Installs the translators for `locale`, replacing any an earlier call
// installed: the program's messages from the copy built into the binary,
// Qt's dialog texts from Debian's Qt translations where they are installed.
// Without a translation for the locale's language the texts stay English.
void installTranslators(const QLocale& locale);

} // namespace rk
