#include "anysolve/three_measures.h"

#include <algorithm>
#include <cmath>

#include "anysolve/corner_ratios.h"
#include "exact/ball.h"

namespace anglewise::anysolve {
namespace {

using M = Measure;

const char* nameOf(M m) {
  return info(m).name;
}

int angleIndex(M m) {
  return static_cast<int>(m) - static_cast<int>(M::A);
}

M angleAt(int index) {
  return static_cast<M>(static_cast<int>(M::A) + index);
}

// Three measures tied by a law, so that they fix no triangle or infinitely
// many, with the law.
struct Tie {
  M a, b, c;
  const char* law;
};
constexpr Tie kTies[] = {
    {M::Y, M::A, M::Circumradius, "Y = 2 circumradius sin A"},
    {M::X, M::B, M::Circumradius, "X = 2 circumradius sin B"},
    {M::Z, M::C, M::Circumradius, "Z = 2 circumradius sin C"},
    {M::hZ, M::X, M::A, "hZ = X sin A"},
    {M::hZ, M::Y, M::B, "hZ = Y sin B"},
    {M::hX, M::Z, M::A, "hX = Z sin A"},
    {M::hX, M::Y, M::C, "hX = Y sin C"},
    {M::hY, M::Z, M::B, "hY = Z sin B"},
    {M::hY, M::X, M::C, "hY = X sin C"},
    {M::hX, M::X, M::Area, "area = X hX / 2"},
    {M::hY, M::Y, M::Area, "area = Y hY / 2"},
    {M::hZ, M::Z, M::Area, "area = Z hZ / 2"},
    {M::Area, M::Perimeter, M::Inradius, "area = inradius perimeter / 2"},
};

// What meets at each corner: the angle, its bisector, the height and the
// median from it, the two sides and the angles at the other two corners.
struct Corner {
  M angle, bisector, height, median, sideP, sideQ;
  int otherP, otherQ;  // the angles facing sideP and sideQ
};
constexpr Corner kCorners[] = {
    {M::A, M::tA, M::hY, M::mY, M::X, M::Z, 1, 2},
    {M::B, M::tB, M::hX, M::mX, M::Y, M::Z, 0, 2},
    {M::C, M::tC, M::hZ, M::mZ, M::X, M::Y, 1, 0},
};

// Enough bits that a sum or difference of two doubles, or a product of
// such a sum and a double, is held exactly.
constexpr long kExactBits = 4400;

class Planner {
 public:
  explicit Planner(const std::vector<GivenMeasure>& given) { plan_.measures = given; }

  ShapePlan run() {
    if (!checkValues() || !checkTies() || !decideAtOnce()) return plan_;
    arrange();
    return plan_;
  }

 private:
  std::optional<double> value(M m) const {
    for (const GivenMeasure& g : plan_.measures) {
      if (g.measure == m) return g.value;
    }
    return std::nullopt;
  }
  bool has(M m) const { return value(m).has_value(); }
  void replace(M from, M to, double v) {
    for (GivenMeasure& g : plan_.measures) {
      if (g.measure == from) g = {to, v};
    }
  }
  void drop(M m) {
    std::erase_if(plan_.measures, [m](const GivenMeasure& g) { return g.measure == m; });
  }
  bool refuse(std::string why, bool usage) {
    plan_.refusal = std::move(why);
    plan_.usage = usage;
    return false;
  }
  void decided(const std::string& clause) {
    plan_.decided += (plan_.decided.empty() ? "" : "; ") + clause;
  }

  bool checkValues() {
    auto& ms = plan_.measures;
    if (ms.size() != 3) {
      return refuse("give three measures, not " + std::to_string(ms.size()) + ".", true);
    }
    int angles = 0;
    for (size_t i = 0; i < ms.size(); ++i) {
      const MeasureInfo& m = info(ms[i].measure);
      for (size_t j = 0; j < i; ++j) {
        if (ms[j].measure == ms[i].measure) {
          return refuse(std::string(m.name) + " is given twice: give each value once.", true);
        }
      }
      double v = ms[i].value;
      if (!std::isfinite(v) || v <= 0) {
        return refuse(
            std::string(m.name) + (m.dimension == 0   ? " must be an angle greater than 0 degrees."
                                   : m.dimension == 2 ? " must be an area greater than 0."
                                                      : " must be a length greater than 0."),
            true);
      }
      if (m.dimension == 0) {
        ++angles;
        if (v >= 180) {
          return refuse(std::string(m.name) +
                            " must be less than 180 degrees: a triangle's angles add up to 180.",
                        true);
        }
      }
    }
    if (angles == 3)
      return refuse("Three angles fix the shape but not the size: give one length.", true);
    return true;
  }

  bool checkTies() {
    for (const Tie& t : kTies) {
      if (has(t.a) && has(t.b) && has(t.c)) {
        return refuse(std::string(nameOf(t.a)) + ", " + nameOf(t.b) + " and " + nameOf(t.c) +
                          " are bound by " + t.law +
                          ", so they fix no triangle or infinitely many: give another measure.",
                      true);
      }
    }
    return true;
  }

  // Facts that need no search: measures that bound one another, and the
  // equal cases that make a right angle or an isosceles triangle.
  bool decideAtOnce() {
    for (const Corner& k : kCorners) {
      if (!rightFromHeight(k) || !isoscelesFromCorner(k)) return false;
    }
    if (!circumradiusFacts() || !perimeterFacts() || !inradiusFacts()) return false;
    for (const Corner& k : kCorners) {
      if (!medianWithItsSides(k) || !bisectorWithItsSides(k)) return false;
    }
    return true;
  }

  // A bisector with the two sides that meet at its corner gives the angle
  // there, cos(K/2) = t (p + q) / (2 p q), and a triangle only where t is
  // less than 2 p q / (p + q), the sides' harmonic mean. With that angle
  // between two known sides the triangle is fixed (bisectorShape).
  bool bisectorWithItsSides(const Corner& k) {
    std::optional<double> t = value(k.bisector), p = value(k.sideP), q = value(k.sideQ);
    if (!t || !p || !q) return true;
    exact::WorkingPrecision exactly(kExactBits);
    Ball along = Ball(*t) * (Ball(*p) + Ball(*q)), across = Ball(*p) * Ball(*q) * 2L;
    if (exact::compareOr(along, across, 0) >= 0) {
      return refuse(std::string(info(k.bisector).words) + " must be shorter than " +
                        "the harmonic mean of " + nameOf(k.sideP) + " and " + nameOf(k.sideQ) +
                        ", the sides that meet at its corner",
                    false);
    }
    std::string K = nameOf(k.angle);
    decided(std::string(nameOf(k.bisector)) + ", " + nameOf(k.sideP) + " and " + nameOf(k.sideQ) +
            " make cos(" + K + "/2) = " + nameOf(k.bisector) + " (" + nameOf(k.sideP) + " + " +
            nameOf(k.sideQ) + ") / (2 " + nameOf(k.sideP) + " " + nameOf(k.sideQ) + ")");
    bisectorCorner_ = &k;
    return true;
  }

  // A median with the two sides that meet at its corner gives the side it
  // runs to, side^2 = 2 p^2 + 2 q^2 - 4 m^2, and a triangle only where
  // |p - q| < 2 m < p + q (at either end the triangle is flat). Three sides
  // then fix the triangle (medianShape).
  bool medianWithItsSides(const Corner& k) {
    std::optional<double> m = value(k.median), p = value(k.sideP), q = value(k.sideQ);
    if (!m || !p || !q) return true;
    exact::WorkingPrecision exactly(kExactBits);
    Ball twice = Ball(*m) * 2L, sum = Ball(*p) + Ball(*q), gap = abs(Ball(*p) - Ball(*q));
    std::string names = std::string(nameOf(k.sideP)) + " and " + nameOf(k.sideQ);
    if (exact::compareOr(twice, sum, 0) >= 0) {
      return refuse(std::string(info(k.median).words) + " must be shorter than half the sum of " +
                        names + ", the sides that meet at its corner",
                    false);
    }
    if (exact::compareOr(twice, gap, 0) <= 0) {
      return refuse(std::string(info(k.median).words) +
                        " must be longer than half the difference of " + names +
                        ", the sides that meet at its corner",
                    false);
    }
    M facing = sideTo(k.median);
    decided(std::string(nameOf(k.median)) + ", " + nameOf(k.sideP) + " and " + nameOf(k.sideQ) +
            " make " + nameOf(facing) + " = sqrt(2 " + nameOf(k.sideP) + "^2 + 2 " +
            nameOf(k.sideQ) + "^2 - 4 " + nameOf(k.median) + "^2)");
    medianCorner_ = &k;
    return true;
  }

  static M sideTo(M median) {
    return static_cast<M>(static_cast<int>(M::X) + static_cast<int>(median) -
                          static_cast<int>(M::mX));
  }

  bool rightFromHeight(const Corner& k) {
    std::optional<double> h = value(k.height);
    if (!h) return true;
    for (auto [side, facing] : {std::pair{k.sideP, k.otherQ}, std::pair{k.sideQ, k.otherP}}) {
      std::optional<double> s = value(side);
      if (!s) continue;
      if (*h > *s) {
        return refuse(std::string(info(k.height).words) + " cannot exceed the sides that meet " +
                          "at its corner, " + nameOf(k.sideP) + " and " + nameOf(k.sideQ),
                      false);
      }
      if (*h == *s) {
        // The height runs along the side: the angle between that side and
        // the base is right.
        M right = angleAt(facing);
        if (has(right)) {
          return value(right) == 90.0 ||
                 refuse(std::string(nameOf(k.height)) + " = " + nameOf(side) + " makes " +
                            nameOf(right) + " a right angle, not the " + nameOf(right) + " given",
                        false);
        }
        decided(std::string(nameOf(k.height)) + " = " + nameOf(side) + " makes " + nameOf(right) +
                " a right angle");
        replace(k.height, right, 90.0);
        return true;
      }
    }
    return true;
  }

  bool isoscelesFromCorner(const Corner& k) {
    // From one corner the height is never longer than the bisector, nor
    // the bisector than the median; each pair is equal only where the two
    // sides meeting there are.
    const M order[] = {k.height, k.bisector, k.median};
    for (int i = 0; i < 3; ++i) {
      for (int j = i + 1; j < 3; ++j) {
        std::optional<double> shorter = value(order[i]), longer = value(order[j]);
        if (!shorter || !longer) continue;
        if (*shorter > *longer) {
          return refuse(std::string(info(order[i]).words) + " cannot be longer than " +
                            info(order[j]).words + ", which it equals only where " +
                            nameOf(k.sideP) + " = " + nameOf(k.sideQ),
                        false);
        }
        if (*shorter == *longer) {
          decided(std::string(nameOf(order[i])) + " = " + nameOf(order[j]) + " makes " +
                  nameOf(k.sideP) + " = " + nameOf(k.sideQ));
          drop(order[j]);
          plan_.isosceles = true;
          apex_ = plan_.apex = angleIndex(k.angle);
          int left = 0;
          for (M m : order) left += has(m);
          if (left > 1) {
            return refuse(std::string(nameOf(k.height)) + ", " + nameOf(k.bisector) + " and " +
                              nameOf(k.median) + " are one length in every triangle with " +
                              nameOf(k.sideP) + " = " + nameOf(k.sideQ) +
                              ", so these fix no size: give another measure.",
                          true);
          }
          return true;
        }
      }
    }
    return true;
  }

  bool circumradiusFacts() {
    std::optional<double> r = value(M::Circumradius);
    if (!r) return true;
    for (M side : {M::X, M::Y, M::Z}) {
      std::optional<double> s = value(side);
      if (!s) continue;
      if (*s > 2 * *r) {
        return refuse(std::string("side ") + nameOf(side) +
                          " cannot be longer than the circumscribed circle's diameter",
                      false);
      }
    }
    if (std::optional<double> in = value(M::Inradius); in && *r < 2 * *in) {
      return refuse("the circumradius is never less than twice the inradius", false);
    }
    return true;
  }

  bool perimeterFacts() {
    std::optional<double> p = value(M::Perimeter);
    if (!p) return true;
    for (M side : {M::X, M::Y, M::Z}) {
      if (std::optional<double> s = value(side); s && *s * 2 >= *p) {
        return refuse(
            std::string("side ") + nameOf(side) + " must be shorter than half the perimeter",
            false);
      }
    }
    return true;
  }

  bool inradiusFacts() {
    std::optional<double> r = value(M::Inradius);
    if (!r) return true;
    for (M h : {M::hX, M::hY, M::hZ}) {
      if (std::optional<double> v = value(h); v && *r * 2 >= *v) {
        return refuse(std::string("the inradius must be less than half of every height, and ") +
                          nameOf(h) + " is not twice it",
                      false);
      }
    }
    return true;
  }

  void arrange() {
    for (const GivenMeasure& g : plan_.measures) {
      if (isAngle(g.measure)) plan_.degrees[angleIndex(g.measure)] = Ball(g.value);
    }
    int known = static_cast<int>(std::count_if(plan_.degrees.begin(), plan_.degrees.end(),
                                               [](const auto& d) { return d.has_value(); }));
    if (plan_.isosceles) known += isoscelesAngles();
    if (!plan_.refusal.empty()) return;
    // The measure that sets the size: the circumradius where it is given
    // (the shapes live in the circle of diameter 1), else the first length.
    if (std::optional<double> r = value(M::Circumradius)) {
      plan_.reference = M::Circumradius, plan_.referenceValue = *r;
    } else {
      auto length = std::find_if(plan_.measures.begin(), plan_.measures.end(),
                                 [](const GivenMeasure& g) { return !isAngle(g.measure); });
      if (length != plan_.measures.end()) {
        plan_.reference = length->measure, plan_.referenceValue = length->value;
      }
    }
    ShapeProblem& p = plan_.problem;
    // A median or a bisector with the two sides at its corner (decided
    // above): those sides' ratio, and the third side or the angle there.
    const Corner* withSides = medianCorner_ ? medianCorner_ : bisectorCorner_;
    if (withSides)
      plan_.reference = withSides->sideP, plan_.referenceValue = *value(withSides->sideP);
    p.reference = plan_.reference;
    if (bisectorCorner_) {
      bisectorShape(*bisectorCorner_);
      return;
    }
    if (medianCorner_) {
      medianShape(*medianCorner_);
      return;
    }
    if (known >= 2) {
      fixShape();
      return;
    }
    // Each length against the reference, or against a length before it
    // drawn from the same corner: their ratio has a closed form that stays
    // sharp where the two nearly coincide (corner_ratios.h).
    std::vector<GivenMeasure> before = {{plan_.reference, plan_.referenceValue}};
    for (const GivenMeasure& g : plan_.measures) {
      if (isAngle(g.measure) || g.measure == plan_.reference) continue;
      GivenMeasure against = before.front();
      for (const GivenMeasure& b : before) {
        if (sameCorner(g.measure, b.measure)) against = b;
      }
      p.equations.push_back({g.measure, g.value, against.measure, against.value});
      before.push_back(g);
    }
    // Of three lengths, the pair not compared yet meets at every root too.
    // No root needs it, but along a strip where the first two curves of
    // shapes nearly agree it rules out boxes far from the root by itself.
    if (before.size() == 3) {
      auto compared = [&p](const GivenMeasure& a, const GivenMeasure& b) {
        return std::any_of(p.equations.begin(), p.equations.end(), [&](const ShapeEquation& e) {
          return (e.measure == a.measure && e.reference == b.measure) ||
                 (e.measure == b.measure && e.reference == a.measure);
        });
      };
      for (auto [later, earlier] :
           {std::pair{before[2], before[1]}, std::pair{before[2], before[0]},
            std::pair{before[1], before[0]}}) {
        if (compared(later, earlier)) continue;
        p.equations.push_back({later.measure, later.value, earlier.measure, earlier.value});
        break;
      }
    }
    if (plan_.isosceles) {
      Chart c;
      c.kind = Chart::Kind::Isosceles;
      setCorner(c, apex_);
      p.charts.push_back(c);
    } else if (known == 1) {
      int given = 0;
      while (!plan_.degrees[given]) ++given;
      Chart c;
      c.kind = Chart::Kind::Line;
      setCorner(c, given);
      c.degrees = plan_.degrees[given]->estimate();  // a double, held exactly
      p.charts.push_back(c);
    } else {
      for (int big = 0; big < 3; ++big) {
        Chart c;
        setCorner(c, big);
        p.charts.push_back(c);
      }
    }
  }

  // With the two base angles equal, one more angle fixes all three.
  int isoscelesAngles() {
    auto& d = plan_.degrees;
    int base1 = (apex_ + 1) % 3, base2 = (apex_ + 2) % 3;
    if (d[apex_]) {
      d[base1] = d[base2] = exact::scaled2(Ball(180L) - *d[apex_], -1);
      return 2;
    }
    std::optional<Ball> base = d[base1] ? d[base1] : d[base2];
    if (!base) return 0;
    if (exact::compareOr(*base, Ball(90L), 0) >= 0) {
      refuse(std::string("the two equal angles ") + nameOf(angleAt(base1)) + " and " +
                 nameOf(angleAt(base2)) + " must each be less than 90 degrees",
             false);
      return 0;
    }
    d[base1] = d[base2] = *base;
    d[apex_] = Ball(180L) - *base * 2L;
    return 2;
  }

  void fixShape() {
    auto& d = plan_.degrees;
    int missing = 0;
    Ball sum;
    for (int i = 0; i < 3; ++i) {
      if (d[i]) {
        sum = sum + *d[i];
      } else {
        missing = i;
      }
    }
    int count =
        static_cast<int>(std::count_if(d.begin(), d.end(), [](auto& x) { return x.has_value(); }));
    if (count == 2) {
      if (exact::compareOr(sum, Ball(180L), 0) >= 0) {
        refuse("the angles given must add up to less than 180 degrees", false);
        return;
      }
      d[missing] = Ball(180L) - sum;
    }
    plan_.fixedShape = true;
  }

  // The angle K that a bisector makes between its sides p and q, and the
  // two angles facing them, enclosed closely enough for any precision the
  // report asks for. Each is written without a difference of nearly equal
  // terms, so a needle or a sliver keeps its digits: with cos(K/2) = r and
  // sin(K/2) = s, K = 2 atan2(s, r) and 180 - K = 2 atan2(r, s); the angle
  // facing the shorter side p has tan = p sin K / (q - p cos K), where
  // q - p cos K = (q - p) + 2 p s^2; the other is what is left.
  void bisectorShape(const Corner& k) {
    exact::WorkingPrecision closely(kExactBits);
    Ball t(*value(k.bisector)), p(*value(k.sideP)), q(*value(k.sideQ));
    Ball across = p * q * 2L, along = t * (p + q);
    Ball r = along / across, s = sqrt((across - along) * (across + along)) / across;
    Ball degreesPerHalfTurn = Ball(180L) / exact::pi();
    bool pShorter = *value(k.sideP) <= *value(k.sideQ);
    const Ball& shorter = pShorter ? p : q;
    const Ball& longer = pShorter ? q : p;
    Ball sinK = r * s * 2L;
    Ball facingShorter =
        exact::atan2(shorter * sinK, longer - shorter + shorter * sqr(s) * 2L) * degreesPerHalfTurn;
    Ball rest = exact::atan2(r, s) * degreesPerHalfTurn * 2L;  // 180 - K
    auto& d = plan_.degrees;
    d[angleIndex(k.angle)] = exact::atan2(s, r) * degreesPerHalfTurn * 2L;
    d[pShorter ? k.otherP : k.otherQ] = facingShorter;
    d[pShorter ? k.otherQ : k.otherP] = rest - facingShorter;
    // X^2 = (p + q)^2 (p q - t^2) / (p q), exact where that is a dyadic.
    Ball product = p * q;
    keepSquares(angleIndex(k.angle), sqr(p + q) * (product - sqr(t)) / product, k, p, q);
    plan_.fixedShape = true;
    plan_.degreesExact = false;
    plan_.shapeFixedBy = std::string(nameOf(k.sideP)) + ", " + nameOf(k.sideQ) + " and the angle " +
                         nameOf(k.angle) + " between them fix its shape and size";
  }

  // Three sides a, b, c (the median's enclosed as closely as the
  // bisector's angle above) fix the triangle; each angle from its half-angle
  // tangent, tan(K/2) = sqrt((s - b)(s - c) / (s (s - a))). The
  // differences are of exact sides but for the third side's enclosure, so
  // they keep their digits until the sides are some 1e400 apart (beyond
  // that the report says a value could not be settled).
  void medianShape(const Corner& k) {
    exact::WorkingPrecision closely(kExactBits);
    Ball p(*value(k.sideP)), q(*value(k.sideQ)), m(*value(k.median));
    Ball facing[3];
    Ball square = (sqr(p) + sqr(q)) * 2L - sqr(m) * 4L;
    keepSquares(angleIndex(k.angle), square, k, p, q);
    facing[angleIndex(k.angle)] = sqrt(square);
    facing[k.otherP] = p;
    facing[k.otherQ] = q;
    Ball s = exact::scaled2(facing[0] + facing[1] + facing[2], -1);
    Ball degreesPerHalfTurn = Ball(180L) / exact::pi();
    for (int i = 0; i < 3; ++i) {
      Ball across = (s - facing[(i + 1) % 3]) * (s - facing[(i + 2) % 3]);
      plan_.degrees[i] =
          exact::atan2(sqrt(across), sqrt(s * (s - facing[i]))) * degreesPerHalfTurn * 2L;
    }
    plan_.fixedShape = true;
    plan_.degreesExact = false;
    plan_.shapeFixedBy = std::string(nameOf(k.sideP)) + ", " + nameOf(k.sideQ) + " and " +
                         nameOf(sideTo(k.median)) + " fix its shape and size";
  }

  // The sides' squares, where the third side's is exact (the corner's own
  // two are squares of doubles); as X^2, Y^2, Z^2 (X faces B, Y A, Z C).
  void keepSquares(int corner, const Ball& thirdSquare, const Corner& k, const Ball& p,
                   const Ball& q) {
    Ball facing[3];
    facing[corner] = thirdSquare;
    facing[k.otherP] = sqr(p);
    facing[k.otherQ] = sqr(q);
    for (const Ball& s : facing) {
      if (!s.exact()) return;
    }
    plan_.sideSquares = std::array<Ball, 3>{facing[1], facing[0], facing[2]};
  }

  static void setCorner(Chart& c, int big) {
    c.big = big;
    c.first = (big + 1) % 3;
    c.second = (big + 2) % 3;
  }

  ShapePlan plan_;
  int apex_ = 2;
  const Corner* medianCorner_ = nullptr;
  const Corner* bisectorCorner_ = nullptr;
};

}  // namespace

ShapePlan planShapes(const std::vector<GivenMeasure>& given) {
  return Planner(given).run();
}

}  // namespace anglewise::anysolve
