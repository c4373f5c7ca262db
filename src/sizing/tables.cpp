#include "sizing/tables.h"

#include "core/errors.h"

namespace cv {

namespace {

template <size_t N>
int IndexIn(const std::array<std::string_view, N>& list, std::string_view name) {
  for (size_t i = 0; i < N; ++i)
    if (list[i] == name) return static_cast<int>(i);
  return -1;
}

}  // namespace

int GasTypeIndexOf(std::string_view name) noexcept { return IndexIn(kGasTypes, name); }
int MaterialIndexOf(std::string_view name) noexcept { return IndexIn(kMaterials, name); }
int DeviceKindIndexOf(std::string_view name) noexcept { return IndexIn(kDeviceKinds, name); }

bool PassesLoadThrough(std::string_view kind) noexcept {
  return kind == "EFV" || kind == "Tee" || kind == "Manifold" || kind == "Regulator";
}

int SizeIndexOf(std::string_view size, std::string_view material) noexcept {
  if (material == kCorvanta) return IndexIn(kCsstSizes, size);
  if (material == kPipe) return IndexIn(kPipeSizes, size);
  return -1;
}

std::string SizeIndexText(std::string_view size, std::string_view material) {
  return std::to_string(SizeIndexOf(size, material));
}

int SizeCount(std::string_view material) noexcept {
  if (material == kCorvanta) return static_cast<int>(kCsstSizes.size());
  if (material == kPipe) return static_cast<int>(kPipeSizes.size());
  return 0;
}

std::string SizeNameAt(int index, std::string_view material) {
  if (material != kCorvanta && material != kPipe) return {};
  if (index < 0 || index >= SizeCount(material))
    Raise(kErrOutOfRange, "no size " + std::to_string(index) + " of " + std::string(material));
  return std::string(material == kCorvanta ? kCsstSizes[index] : kPipeSizes[index]);
}

bool IsSizeIndexInRange(int index, std::string_view material) noexcept {
  const int count = SizeCount(material);
  return count > 0 && index < count;
}

std::string SmallestSizeFallback(std::string_view material) {
  return std::string(material == kCorvanta ? kCsstSizes[0] : kPipeSizes[0]);
}

}  // namespace cv
