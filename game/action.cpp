// The actions' names, in the order of the Action variant.
#include "game/action.h"

#include <array>
#include <string_view>

#include "game/money.h"
#include "game/percent.h"

namespace quillmere {

namespace {

constexpr std::array<std::string_view, 33> kNames = {"StartGame",
                                                     "PickGood",
                                                     "PickLot",
                                                     "SetBuyAmount",
                                                     "StepBuyAmount",
                                                     "SetSellAmount",
                                                     "StepSellAmount",
                                                     "Buy",
                                                     "Sell",
                                                     "Withdraw",
                                                     "Deposit",
                                                     "PayTonyAll",
                                                     "PayTonySome",
                                                     "SeeDoctor",
                                                     "Travel",
                                                     "VisitGunDealer",
                                                     "VisitCarDealer",
                                                     "Choose",
                                                     "BuyFromDealer",
                                                     "SellToDealer",
                                                     "LeaveDealer",
                                                     "SetPayment",
                                                     "StepPayment",
                                                     "LeavePaymentField",
                                                     "ConfirmPayment",
                                                     "CancelPayment",
                                                     "PayOff",
                                                     "Run",
                                                     "Fight",
                                                     "ClosePursuit",
                                                     "ClosePursuitWindow",
                                                     "Answer",
                                                     "Quit"};
static_assert(kNames.size() == std::variant_size_v<Action>);

// A typed text: a quote, then the text with what is not plain printable ASCII (and "%" and
// "@") as %XX.
std::string Quoted(const std::string& text) {
  return "'" + PercentEncoded(text, [](unsigned char byte) {
           return byte > 0x20 && byte < 0x7F && byte != '%' && byte != '@';
         });
}

// Each text has one way to be written, so a record has one text: what does not read back to
// the same line is no text.
std::optional<std::string> Unquoted(std::string_view arg) {
  if (arg.empty() || arg.front() != '\'') return std::nullopt;
  std::optional<std::string> text = PercentDecoded(arg.substr(1));
  if (!text || Quoted(*text) != arg) return std::nullopt;
  return text;
}

// A whole number as ToText writes it: no sign but a minus, no zeros in front.
std::optional<int> Number(std::string_view arg) {
  const std::optional<std::int32_t> n = ParseInt32(arg);
  if (!n || ToText(*n) != arg) return std::nullopt;
  return *n;
}

std::string Argument(const PickGood& a) { return ToText(a.row); }
std::string Argument(const PickLot& a) { return ToText(a.row); }
std::string Argument(const SetBuyAmount& a) { return Quoted(a.text); }
std::string Argument(const StepBuyAmount& a) { return ToText(a.delta); }
std::string Argument(const SetSellAmount& a) { return Quoted(a.text); }
std::string Argument(const StepSellAmount& a) { return ToText(a.delta); }
std::string Argument(const Travel& a) { return ToText(static_cast<int>(a.place)); }
std::string Argument(const Choose& a) { return ToText(a.kind); }
std::string Argument(const SetPayment& a) { return Quoted(a.text); }
std::string Argument(const StepPayment& a) { return ToText(a.delta); }
std::string Argument(const Answer& a) { return a.yes ? "yes" : "no"; }

// Reads an action's argument back; an action without one takes none.
template <class A>
bool Read(A&, std::string_view arg) {
  return arg.empty();
}
bool ReadNumber(int& to, std::string_view arg) {
  const std::optional<int> n = Number(arg);
  if (n) to = *n;
  return n.has_value();
}
bool ReadText(std::string& to, std::string_view arg) {
  std::optional<std::string> text = Unquoted(arg);
  if (text) to = std::move(*text);
  return text.has_value();
}
bool Read(PickGood& a, std::string_view arg) { return ReadNumber(a.row, arg); }
bool Read(PickLot& a, std::string_view arg) { return ReadNumber(a.row, arg); }
bool Read(SetBuyAmount& a, std::string_view arg) { return ReadText(a.text, arg); }
bool Read(StepBuyAmount& a, std::string_view arg) { return ReadNumber(a.delta, arg); }
bool Read(SetSellAmount& a, std::string_view arg) { return ReadText(a.text, arg); }
bool Read(StepSellAmount& a, std::string_view arg) { return ReadNumber(a.delta, arg); }
bool Read(Choose& a, std::string_view arg) { return ReadNumber(a.kind, arg); }
bool Read(SetPayment& a, std::string_view arg) { return ReadText(a.text, arg); }
bool Read(StepPayment& a, std::string_view arg) { return ReadNumber(a.delta, arg); }
bool Read(Travel& a, std::string_view arg) {
  int place = -1;
  if (!ReadNumber(place, arg) || place < 0 || place >= kPlaceCount) return false;
  a.place = static_cast<Place>(place);
  return true;
}
bool Read(Answer& a, std::string_view arg) {
  a.yes = arg == "yes";
  return a.yes || arg == "no";
}

template <std::size_t I = 0>
std::optional<Action> Make(std::size_t index, std::string_view arg) {
  if constexpr (I < std::variant_size_v<Action>) {
    if (index != I) return Make<I + 1>(index, arg);
    std::variant_alternative_t<I, Action> action{};
    if (!Read(action, arg)) return std::nullopt;
    return Action{std::move(action)};
  } else {
    return std::nullopt;
  }
}

}  // namespace

std::string Describe(const Action& action) {
  std::string text(kNames[action.index()]);
  std::visit(
      [&text](const auto& a) {
        if constexpr (requires { Argument(a); }) text += " " + Argument(a);
      },
      action);
  return text;
}

std::optional<Action> ParseAction(std::string_view line) {
  const std::size_t space = line.find(' ');
  const std::string_view name = line.substr(0, space);
  const std::string_view arg = space == std::string_view::npos ? "" : line.substr(space + 1);
  // One space before an argument, and an argument only where there is a space.
  if (space != std::string_view::npos && arg.empty()) return std::nullopt;
  for (std::size_t i = 0; i < kNames.size(); ++i)
    if (kNames[i] == name) return Make(i, arg);
  return std::nullopt;
}

}  // namespace quillmere
