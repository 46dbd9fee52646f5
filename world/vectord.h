#pragma once
// Three doubles, y up. Arithmetic is component by component; assigning a
// double broadcasts it to all three, which is how scalars are scaled in.

struct VECTORD {
  double x;
  double y;
  double z;

  VECTORD& operator=(double tmp) {
    x = tmp;
    y = tmp;
    z = tmp;
    return *this;
  }
  VECTORD& operator+=(const VECTORD& rhs) {
    x += rhs.x;
    y += rhs.y;
    z += rhs.z;
    return *this;
  }
  VECTORD& operator-=(const VECTORD& rhs) {
    x -= rhs.x;
    y -= rhs.y;
    z -= rhs.z;
    return *this;
  }
  VECTORD& operator*=(const VECTORD& rhs) {
    x *= rhs.x;
    y *= rhs.y;
    z *= rhs.z;
    return *this;
  }
  VECTORD& operator/=(const VECTORD& rhs) {
    x /= rhs.x;
    y /= rhs.y;
    z /= rhs.z;
    return *this;
  }
};

inline VECTORD operator+(const VECTORD& lhs, const VECTORD& rhs) {
  VECTORD tmp = lhs;
  return tmp += rhs;
}
inline VECTORD operator-(const VECTORD& lhs, const VECTORD& rhs) {
  VECTORD tmp = lhs;
  return tmp -= rhs;
}
inline VECTORD operator*(const VECTORD& lhs, const VECTORD& rhs) {
  VECTORD tmp = lhs;
  return tmp *= rhs;
}
inline VECTORD operator/(const VECTORD& lhs, const VECTORD& rhs) {
  VECTORD tmp = lhs;
  return tmp /= rhs;
}
