#include "NoticeText.h"

#include <array>
#include <optional>

namespace zorvane::ui {

namespace {

struct Notice {
    std::optional<NoticeContext> context;  // none: in any context
    Failure failure;
    const char* text;  // UTF-8
};

// The first row that matches is shown; rows for any context come last.
const std::array<Notice, 11> kNotices = {{
    {NoticeContext::CostEquals, CalcFailure::TypeMismatch, "请先输入股票数量"},
    {NoticeContext::CostEquals, CalcFailure::DivisionByZero, "股票数量不能为 0"},
    {NoticeContext::DivisionByZero, CalcFailure::DivisionByZero, "除数不能为 0"},
    {NoticeContext::DivisionByZero, CalcFailure::Overflow, "0 除以 0 没有结果"},
    {NoticeContext::Typing, CalcFailure::Overflow, "小数位数太多"},
    {NoticeContext::Typing, CalcFailure::FloatingPoint, "最多只能输入 15 位数字"},
    {NoticeContext::Paste, PasteProblem::NoNumber, "剪贴板里没有数字"},
    {NoticeContext::Paste, PasteProblem::NotAPrice, "只能粘贴数字和一个小数点"},
    {NoticeContext::Paste, PasteProblem::TooLong, "粘贴的数字太长"},
    // A result beyond the calculator's range, and a share count so small that
    // the fee per share is.
    {std::nullopt, CalcFailure::Overflow, "结果太大，超出范围"},
    {std::nullopt, CalcFailure::FloatingPoint, "结果太大，超出范围"},
}};

bool isDigit(Command command) {
    return command >= Command::Digit0 && command <= Command::Digit9;
}

}  // namespace

NoticeContext contextOf(Command command, const CalculatorState& before) {
    if (isDigit(command) || command == Command::Point) {
        return NoticeContext::Typing;
    }
    if (command != Command::Equals) {
        return NoticeContext::Other;
    }
    if (before.operation.opCode == OpCode::Cost) {
        return NoticeContext::CostEquals;
    }
    // An empty right-hand operand counts as 0.
    if (before.operation.opCode == OpCode::Divide &&
        before.operation.entryValue.toDouble() == 0.0) {
        return NoticeContext::DivisionByZero;
    }
    return NoticeContext::Equals;
}

QString noticeText(NoticeContext context, Failure failure) {
    for (const Notice& notice : kNotices) {
        if ((!notice.context || *notice.context == context) && notice.failure == failure) {
            return QString::fromUtf8(notice.text);
        }
    }
    // Every failure the engine can meet has its row above.
    return QStringLiteral("无法计算");
}

}  // namespace zorvane::ui
