// The actions' names, in the order of the Action variant.
#include "game/action.h"

#include <array>
#include <string_view>

#include "game/money.h"

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

std::string Argument(const PickGood& a) { return ToText(a.row); }
std::string Argument(const PickLot& a) { return ToText(a.row); }
std::string Argument(const SetBuyAmount& a) { return a.text; }
std::string Argument(const StepBuyAmount& a) { return ToText(a.delta); }
std::string Argument(const SetSellAmount& a) { return a.text; }
std::string Argument(const StepSellAmount& a) { return ToText(a.delta); }
std::string Argument(const Travel& a) { return ToText(static_cast<int>(a.place)); }
std::string Argument(const Choose& a) { return ToText(a.kind); }
std::string Argument(const SetPayment& a) { return a.text; }
std::string Argument(const StepPayment& a) { return ToText(a.delta); }
std::string Argument(const Answer& a) { return a.yes ? "yes" : "no"; }

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

}  // namespace quillmere
