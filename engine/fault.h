#pragma once
// One guard for every arithmetic step of an evaluation. A step computes one named quantity and
// hands it to checked() or divide(); a result that is not a finite number (an overflow, a
// division by zero, an invalid operation such as a fractional power of a negative number) or an
// iteration that does not settle ends the evaluation by throwing ArithmeticFault. The evaluation
// that called the engine catches it once and says which method and which step faulted.

#include <cmath>
#include <exception>

namespace kalvora::engine {

enum class FaultKind { Overflow, DivisionByZero, InvalidOperation, NoConvergence };

class ArithmeticFault : public std::exception
{
public:
    ArithmeticFault(FaultKind kind, const char *step) noexcept
        : m_kind(kind)
        , m_step(step)
    {
    }
    FaultKind kind() const noexcept { return m_kind; }
    /// The quantity being computed, written as its symbol or formula (language-neutral).
    const char *step() const noexcept { return m_step; }
    const char *what() const noexcept override { return m_step; }

private:
    FaultKind m_kind;
    const char *m_step; // a string literal
};

[[noreturn]] void fail(FaultKind kind, const char *step);

/// Returns value when it is finite; otherwise throws ArithmeticFault for step
/// (NaN: invalid operation, ±infinity: overflow).
inline double checked(const char *step, double value)
{
    if (std::isfinite(value)) [[likely]]
        return value;
    fail(std::isnan(value) ? FaultKind::InvalidOperation : FaultKind::Overflow, step);
}

/// numerator / denominator, with a zero denominator reported as a division by zero of step.
inline double divide(const char *step, double numerator, double denominator)
{
    if (denominator == 0.0) [[unlikely]]
        fail(FaultKind::DivisionByZero, step);
    return checked(step, numerator / denominator);
}

/// Throws NoConvergence for step; used when an iteration reaches its bound.
[[noreturn]] inline void notConverged(const char *step)
{
    fail(FaultKind::NoConvergence, step);
}

/// Iteration bound of every Newton solver: far above what a converging input needs (under a
/// hundred steps), so it never changes a converging result and turns a runaway into a fault.
inline constexpr int kMaxIterations = 1000;

} // namespace kalvora::engine
