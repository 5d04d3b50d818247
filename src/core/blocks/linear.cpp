#include "linear.h"

#include "../workbench.h"
#include "families.h"

namespace velmar {

void PolynomialLink::SetDefaults() {
    Element::SetDefaults();
    entry.reset(1.0L);
}

void PolynomialLink::EditParameters(Workbench& wb) {
    GridEdit& pending = wb.gridEdit;
    if (pending.index != 0) {
        entry.setListed(pending.index, pending.value);
        pending.index = 0;
        return;
    }
    entry.edit(wb.ui());
}

void BandFilter::EditParameters(Workbench& wb) {
    if (editCatalogueParameters(wb) && param(1) >= param(2))
        wb.ui().message(Box::Error, "Error in input data");
}

std::unique_ptr<Element> createLinear(std::uint8_t code) {
    switch (code) {
        case 28:
        case 46: return std::make_unique<PolynomialLink>(code);
        case 142:
        case 143: return std::make_unique<BandFilter>(code);
        default: return std::make_unique<Element>(code);
    }
}

}  // namespace velmar
