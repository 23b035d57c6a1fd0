#pragma once

namespace quorvane {

// The convert button's routine: reads both eyes' spectacle and astigmatism boxes and writes
// each eye's contact-lens power into its result box, the left eye completely first.
void ConvertBothEyes() noexcept;

}  // namespace quorvane
