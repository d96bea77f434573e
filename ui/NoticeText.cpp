#include "NoticeText.h"

#include <array>
#include <optional>

namespace zorvane::ui {

namespace {

using What = std::variant<CalcFailure, PasteProblem, KeyProblem>;

struct Notice {
    std::optional<CalcStep> step;  // none: at any step
    What what;
    const char* text;  // UTF-8
};

// The first row that matches is shown; rows for any step come last.
const std::array<Notice, 13> kNotices = {{
    {CalcStep::ShareCount, CalcFailure::TypeMismatch, "请先输入股票数量"},
    {CalcStep::ShareCount, CalcFailure::DivisionByZero, "股票数量不能为 0"},
    {CalcStep::ZeroDivisor, CalcFailure::DivisionByZero, "除数不能为 0"},
    {CalcStep::ZeroDivisor, CalcFailure::Overflow, "0 除以 0 没有结果"},
    {CalcStep::Entry, CalcFailure::Overflow, "小数位数太多"},
    {CalcStep::Entry, CalcFailure::FloatingPoint, "最多只能输入 15 位数字"},
    {std::nullopt, PasteProblem::NoNumber, "剪贴板里没有数字"},
    {std::nullopt, PasteProblem::NotAPrice, "只能粘贴数字和一个小数点"},
    {std::nullopt, PasteProblem::TooLong, "粘贴的数字太长"},
    {std::nullopt, KeyProblem::KeypadLocked, "请按 Num Lock 打开小键盘"},
    {std::nullopt, KeyProblem::KeypadShifted, "请松开 Shift 再按小键盘"},
    // A result beyond the calculator's range, and a share count so small that
    // the fee per share is.
    {std::nullopt, CalcFailure::Overflow, "结果太大，超出范围"},
    {std::nullopt, CalcFailure::FloatingPoint, "结果太大，超出范围"},
}};

}  // namespace

QString noticeText(const Failure& failure) {
    std::optional<CalcStep> step;
    What what = CalcFailure::Overflow;
    if (const auto* failed = std::get_if<StepFailure>(&failure)) {
        step = failed->step;
        what = failed->failure;
    } else if (const auto* paste = std::get_if<PasteProblem>(&failure)) {
        what = *paste;
    } else {
        what = std::get<KeyProblem>(failure);
    }
    for (const Notice& notice : kNotices) {
        if ((!notice.step || notice.step == step) && notice.what == what) {
            return QString::fromUtf8(notice.text);
        }
    }
    // Every failure the engine can meet has its row above.
    return QStringLiteral("无法计算");
}

}  // namespace zorvane::ui
