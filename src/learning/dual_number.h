#pragma once

#include <array>
#include <cmath>
#include <cstddef>

// A value with its derivatives along N directions (forward-mode differentiation): the memory
// model is written once, run on doubles to schedule and on duals to get its gradient.
template <std::size_t N> struct Dual {
    double value = 0;
    std::array<double, N> slope{};

    Dual() = default;
    // NOLINTNEXTLINE(google-explicit-constructor): a constant is a dual with no slope.
    Dual(double constant) : value(constant) {}

    // The `index`th of the variables being differentiated by.
    static Dual Variable(double value, std::size_t index) {
        Dual variable(value);
        variable.slope[index] = 1;
        return variable;
    }
};

// The dual f(x) from f(x.value) and f'(x.value).
template <std::size_t N>
[[gnu::always_inline]] inline Dual<N> Chain(const Dual<N>& x, double value, double derivative) {
    Dual<N> result(value);
    for (std::size_t i = 0; i < N; ++i) {
        result.slope[i] = derivative * x.slope[i];
    }
    return result;
}

template <std::size_t N>
[[gnu::always_inline]] inline Dual<N> operator+(const Dual<N>& a, const Dual<N>& b) {
    Dual<N> sum(a.value + b.value);
    for (std::size_t i = 0; i < N; ++i) {
        sum.slope[i] = a.slope[i] + b.slope[i];
    }
    return sum;
}

template <std::size_t N> [[gnu::always_inline]] inline Dual<N> operator-(const Dual<N>& a) {
    return Chain(a, -a.value, -1.0);
}

template <std::size_t N>
[[gnu::always_inline]] inline Dual<N> operator-(const Dual<N>& a, const Dual<N>& b) {
    Dual<N> difference(a.value - b.value);
    for (std::size_t i = 0; i < N; ++i) {
        difference.slope[i] = a.slope[i] - b.slope[i];
    }
    return difference;
}

template <std::size_t N>
[[gnu::always_inline]] inline Dual<N> operator*(const Dual<N>& a, const Dual<N>& b) {
    Dual<N> product(a.value * b.value);
    for (std::size_t i = 0; i < N; ++i) {
        product.slope[i] = a.slope[i] * b.value + a.value * b.slope[i];
    }
    return product;
}

template <std::size_t N>
[[gnu::always_inline]] inline Dual<N> operator/(const Dual<N>& a, const Dual<N>& b) {
    const double quotient = a.value / b.value;
    Dual<N> result(quotient);
    for (std::size_t i = 0; i < N; ++i) {
        result.slope[i] = (a.slope[i] - quotient * b.slope[i]) / b.value;
    }
    return result;
}

template <std::size_t N>
[[gnu::always_inline]] inline Dual<N> operator+(const Dual<N>& a, double b) {
    Dual<N> sum = a;
    sum.value += b;
    return sum;
}
template <std::size_t N>
[[gnu::always_inline]] inline Dual<N> operator+(double a, const Dual<N>& b) {
    return b + a;
}
template <std::size_t N>
[[gnu::always_inline]] inline Dual<N> operator-(const Dual<N>& a, double b) {
    return a + -b;
}
template <std::size_t N>
[[gnu::always_inline]] inline Dual<N> operator-(double a, const Dual<N>& b) {
    return -b + a;
}
template <std::size_t N>
[[gnu::always_inline]] inline Dual<N> operator*(const Dual<N>& a, double b) {
    return Chain(a, a.value * b, b);
}
template <std::size_t N>
[[gnu::always_inline]] inline Dual<N> operator*(double a, const Dual<N>& b) {
    return b * a;
}
template <std::size_t N>
[[gnu::always_inline]] inline Dual<N> operator/(const Dual<N>& a, double b) {
    return a * (1.0 / b);
}
template <std::size_t N>
[[gnu::always_inline]] inline Dual<N> operator/(double a, const Dual<N>& b) {
    const double quotient = a / b.value;
    return Chain(b, quotient, -quotient / b.value);
}

template <std::size_t N>
[[gnu::always_inline]] inline bool operator<(const Dual<N>& a, const Dual<N>& b) {
    return a.value < b.value;
}

template <std::size_t N> [[gnu::always_inline]] inline Dual<N> exp(const Dual<N>& x) {
    const double value = std::exp(x.value);
    return Chain(x, value, value);
}

template <std::size_t N> [[gnu::always_inline]] inline Dual<N> log(const Dual<N>& x) {
    return Chain(x, std::log(x.value), 1.0 / x.value);
}

template <std::size_t N>
[[gnu::always_inline]] inline Dual<N> pow(const Dual<N>& base, const Dual<N>& exponent) {
    return exp(exponent * log(base));
}

template <std::size_t N>
[[gnu::always_inline]] inline Dual<N> pow(const Dual<N>& base, double exponent) {
    const double value = std::pow(base.value, exponent);
    return Chain(base, value, exponent * value / base.value);
}

template <std::size_t N>
[[gnu::always_inline]] inline Dual<N> pow(double base, const Dual<N>& exponent) {
    const double value = std::pow(base, exponent.value);
    return Chain(exponent, value, value * std::log(base));
}

// The plain value of a number the model computed, dual or not.
inline double ValueOf(double x) {
    return x;
}
template <std::size_t N> double ValueOf(const Dual<N>& x) {
    return x.value;
}
