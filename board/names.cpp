// Names through ICU: NFKC_Casefold makes "ＬＯＵ", "LOU" and "Lou" one key and drops invisible
// characters; the spoof checker's skeleton makes a Cyrillic "о" and a Latin "o" one letter.
#include "board/names.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/uspoof.h>

#include <QStringDecoder>
#include <memory>

namespace quillmere::board {

namespace {

constexpr int kMarksPerLetter = 4;

icu::UnicodeString Unicode(const QString& text) {
  return icu::UnicodeString(reinterpret_cast<const char16_t*>(text.utf16()), int32_t(text.size()));
}

QString FromUnicode(const icu::UnicodeString& text) {
  return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

icu::UnicodeString Folded(const icu::UnicodeString& text) {
  UErrorCode error = U_ZERO_ERROR;
  const icu::Normalizer2* fold = icu::Normalizer2::getNFKCCasefoldInstance(error);
  if (U_FAILURE(error)) return text;
  icu::UnicodeString out = fold->normalize(text, error);
  return U_FAILURE(error) ? text : out;
}

icu::UnicodeString Skeleton(const icu::UnicodeString& folded) {
  // A checker per thread: it is cheap to keep, and nothing is shared between the threads.
  struct Close {
    void operator()(USpoofChecker* checker) const { uspoof_close(checker); }
  };
  thread_local std::unique_ptr<USpoofChecker, Close> checker;
  UErrorCode error = U_ZERO_ERROR;
  if (!checker) checker.reset(uspoof_open(&error));
  icu::UnicodeString skeleton;
  if (!checker || U_FAILURE(error)) return folded;
  uspoof_getSkeletonUnicodeString(checker.get(), 0, folded, skeleton, &error);
  // The skeleton folded again, so a prototype in capitals meets its lower case.
  return U_FAILURE(error) ? folded : Folded(skeleton);
}

bool Mark(UChar32 c) {
  const int8_t type = u_charType(c);
  return type == U_NON_SPACING_MARK || type == U_ENCLOSING_MARK || type == U_COMBINING_SPACING_MARK;
}

// Takes room but shows nothing.
bool Invisible(UChar32 c) {
  return u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT) || u_isUWhiteSpace(c) ||
         c == 0x2800 || c == 0x3164 || c == 0xFFA0 || c == 0x115F || c == 0x1160;
}

bool Refused(UChar32 c) {
  const int8_t type = u_charType(c);
  return type == U_CONTROL_CHAR || type == U_FORMAT_CHAR || type == U_UNASSIGNED ||
         type == U_PRIVATE_USE_CHAR || type == U_SURROGATE || type == U_LINE_SEPARATOR ||
         type == U_PARAGRAPH_SEPARATOR || (u_isUWhiteSpace(c) && c != ' ');
}

}  // namespace

Name NameKeys(const QString& text) {
  Name name;
  name.text = text;
  const icu::UnicodeString folded = Folded(Unicode(text));
  name.key = FromUnicode(folded);
  name.skeleton = FromUnicode(Skeleton(folded));
  return name;
}

Name ReadName(const QByteArray& utf8) {
  const QString unreadable =
      QStringLiteral("A name can hold letters, digits, spaces and punctuation only.");
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = decoder(utf8);
  if (decoder.hasError()) return {{}, {}, {}, unreadable};
  Name name = NameKeys(decoded.trimmed());
  if (name.text.isEmpty()) {
    name.refusal = QStringLiteral("Choose a name for your account.");
    return name;
  }
  if (name.text.size() > kNameMax) {
    name.refusal = QStringLiteral("A name can have at most %1 characters.").arg(kNameMax);
    return name;
  }
  const icu::UnicodeString text = Unicode(name.text);
  bool seen = false;
  int marks = 0;
  for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) {
    const UChar32 c = text.char32At(i);
    if (Refused(c)) {
      name.refusal = unreadable;
      return name;
    }
    marks = Mark(c) ? marks + 1 : 0;
    if (marks > kMarksPerLetter) {
      name.refusal =
          QStringLiteral("A letter in a name can carry at most %1 accents.").arg(kMarksPerLetter);
      return name;
    }
    if (!Mark(c) && !Invisible(c)) seen = true;
  }
  if (!seen || name.key.trimmed().isEmpty())
    name.refusal = QStringLiteral("A name needs a letter, digit or sign that can be seen.");
  return name;
}

}  // namespace quillmere::board
