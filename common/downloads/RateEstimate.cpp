#include "RateEstimate.h"

namespace zelva::downloads {

double CombinedRate(const double* rates, int count) {
  if (count <= 0) return 0.0;
  double value = 0.5 * rates[count - 1];
  if (count == 1) return value;
  const double scale = double(count) * double(count - 1);
  for (int k = 1; k < count; ++k) value += rates[k - 1] * k / scale;
  return value;
}

}  // namespace zelva::downloads
