// Marks the engine's English texts for translation without translating them: the engine
// stays free of Qt and keeps its texts exactly as written, lupdate finds them by this macro
// (an alias of QT_TRANSLATE_NOOP, see screens/CMakeLists.txt), and the screens translate
// them in the named context when they show them (screens/Translation.h).
//
// The contexts: "Goods", "Places", "Guns", "Cars" for the catalogue's names (and "NONE" for
// no gun or no car), "Caption" for message-box captions and times of day, "Message" for
// message-box texts, "Status" for the status line and its news, "Pursuit" for the
// pursuit's log.
#pragma once

#define QUILLMERE_TEXT(context, text) text
