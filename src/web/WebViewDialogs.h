#pragma once
// The View Bank and View Registration dialogs in the page, in the desktop's
// arrangement: which value stands where, under which label, how wide.
#include "ui/DialogData.h"

namespace kalivo {

class WebViewDialogs {
public:
    static void Bank(const ViewBankRequest& request);
    static void Tyros(const TyrosRegistrationView& view);
    static void Cvp2(const Cvp2RegistrationView& view);
    static void Simple(const RegistrationView& view);
};

}  // namespace kalivo
