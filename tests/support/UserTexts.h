#pragma once

#include <string>

// Texts the user sees, exactly as the calculator writes them.
namespace texts {

// Trading-function prompts: each ends in a full-width colon and 13 blanks.
inline const std::string kPeakPrompt = "输入相对顶点价格：             ";
inline const std::string kBottomPrompt = "输入相对底部价：             ";
inline const std::string kConcentrationPrompt = "输入筹码密集峰价格：             ";
inline const std::string kSharePricePrompt = "输入股票价格：             ";
inline const std::string kShareCountPrompt = "输入股票数量：             ";

}  // namespace texts
