#pragma once
// Marks a text of a table for the window's translations. The marker only tells Qt's
// lupdate which texts to collect and under which table; it leaves the English text as
// it is, so db/ and link/ (and quelmar-cli) stay free of Qt. Spelled exactly as Qt
// spells it, so a file that sees both definitions sees the same one twice.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
