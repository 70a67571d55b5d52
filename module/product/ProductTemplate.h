// The K50 product's static description and the names detection looks for.
#pragma once

#include "ZelvaContract.h"

namespace zelva::module {

constexpr const char* kShortName = "ZELVA K50X";
constexpr const char* kUninstallPrefix = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr const char* kProductGuid = "{5C3A91E2-7D40-4B6F-A2C8-1E9D63F0B7A4}";
constexpr const char* kExpansionName = "ZELVA K50-300ER";

// The maker's shop pages, which the product window's "Buy Now" opens.
constexpr const char* kBaseShopPage = "https://www.zelva-sim.com/shop/k50";
constexpr const char* kExpansionShopPage = "https://www.zelva-sim.com/shop/k50-300er";

// Variant indexes in table order.
constexpr int kVariant200Lr = 0;
constexpr int kVariantF = 1;
constexpr int kVariant300Er = 2;

// Names, codes and simulator, with empty variant and expansion tables.
void FillProductTemplate(ProductInfo& info);

// The three variants and the expansion, each offered and not yet found.
void FillProductTables(ProductInfo& info);

}  // namespace zelva::module
