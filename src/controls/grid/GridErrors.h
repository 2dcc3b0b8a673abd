#pragma once

// Fixed English messages of the grid's misuse errors.
namespace GridErrors {
inline constexpr const char *IndexOutOfRange = "Grid index out of range";
inline constexpr const char *FixedColTooBig = "Fixed column count must be less than column count";
inline constexpr const char *FixedRowTooBig = "Fixed row count must be less than row count";
inline constexpr const char *TooManyDeleted = "Too many rows or columns deleted";
inline constexpr const char *BadGridViewOp = "Cannot insert or delete rows from grid";
inline constexpr const char *ListIndexOutOfBounds = "List index out of bounds (%1)";
inline constexpr const char *RowsizeTooSmall = "Rowsize too small";
} // namespace GridErrors

[[noreturn]] void ThrowGridError(const char *message);
[[noreturn]] void ThrowListIndexError(int index);
