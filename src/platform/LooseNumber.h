#pragma once

#include <QString>

#include <optional>

// Answers to prompts are text that computes as a number where it reads as
// one: optional blanks, an optional sign, digits with an optional decimal
// point and fraction, an optional exponent, optional blanks. Nothing else
// (no hex, no thousands separators, no digits of other scripts) is a number.
std::optional<double> ToNumber(const QString& text);

// Rounds down, towards minus infinity.
double Int(double value);

// Both operands rounded to the nearest whole number, a tie to the even one;
// the remainder keeps the sign of the dividend.
double Mod(double dividend, double divisor);
