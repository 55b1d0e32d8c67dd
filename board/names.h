// Bidders' names compared as people see them: two names that look alike are one name.
#pragma once

#include <QByteArray>
#include <QString>

namespace quillmere::board {

inline constexpr int kNameMax = 32;

// A name as the player typed it (ends trimmed), the keys that decide whether it is taken, or
// the reason it cannot be a name.
struct Name {
  QString text;      // shown wherever the name is shown
  QString key;       // NFKC with case folding and without invisible characters: logs in
  QString skeleton;  // what the key looks like (Unicode's confusable skeleton): unique
  QString refusal;
};

Name ReadName(const QByteArray& utf8);
// The keys of a stored name (for names stored before skeletons were kept).
Name NameKeys(const QString& text);

}  // namespace quillmere::board
