// The analysis model of the condition editor: mesh, materials, boundary
// conditions, series and solver control values of one cross-section.
//
// Tables are indexed from 1; slot 0 is unused. Each table goes with a count
// that says how many entries are in use; entries beyond the count keep stale
// values and are never read. Fixed-size tables hold capacity + 1 slots from
// the start; the long node lists and series (`FLN`, `QN`, `FTIME`, `FLEV`,
// `OLDFLN`, `OLDQN`) grow on demand: use storeAt() to write them.
//
// Two-dimensional tables are indexed [outer][inner] as written below: curves
// [material][point], boundary lists and series [boundary][entry].
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/point.h"
#include "formats/mesh_dat.h"

namespace meshcond {

// Capacities: a count or index beyond them is refused with a RangeError.
inline constexpr int kNodeCapacity = formats::kConditionEditorNodes;
inline constexpr int kElementCapacity = formats::kConditionEditorElements;
inline constexpr int kMaterialCapacity = 200;
inline constexpr int kSeepFaceCapacity = 200;
inline constexpr int kSeepNodeCapacity = 200;  // nodes per seepage face
inline constexpr int kRainNodeCapacity = 20000;
inline constexpr int kRainSeriesCapacity = 50000;
inline constexpr int kFluctCapacity = 200;  // fluctuating water-level boundaries
inline constexpr int kFluctNodeCapacity = 50000;
inline constexpr int kFluctSeriesCapacity = 50000;  // points per level series
inline constexpr int kFluctSeriesBoundaries = 20;   // boundaries 1..20 may carry a series
inline constexpr int kFluxCapacity = 200;           // flux-fluctuation boundaries
inline constexpr int kFluxNodeCapacity = 50000;
inline constexpr int kFluxSeriesCapacity = 200;
inline constexpr int kWellCapacity = 200;  // entries of each of the two well lists
inline constexpr int kOutputTimeCapacity = 20000;
inline constexpr int kFixedLevelCapacity = 100;
inline constexpr int kCurvePointCapacity = 200;

/// Nearest-point searches count only distances below this.
inline constexpr double kFarAway = 9999999.0;
/// getPoint: a node closer than this is the node at a point.
inline constexpr double kSameNode = 0.0001;
/// Carrying over: an old node or element closer than this is the partner.
inline constexpr double kPartnerDistance = 0.01;

/// Corner places 1..4 of an element (place 0 unused); place 4 is 0 for a triangle.
using Corners = std::array<int32_t, 5>;

using common::Point;

/// An axis-aligned box in model coordinates.
struct Extent {
  double xmin = 0.0;
  double xmax = 0.0;
  double ymin = 0.0;
  double ymax = 0.0;
};

/// Built-in soil types: gravelly ("G", D2.DAT code 1), sandy ("S", code 2),
/// cohesive ("M", code 3).
enum class SoilType { Gravel, Sand, Clay };

/// The 21-point relative-permeability and 16-point suction curves of a soil type.
struct SoilCurves {
  std::array<double, 21> thetaKr;
  std::array<double, 21> kr;
  std::array<double, 16> thetaPsi;
  std::array<double, 16> psi;
};

const SoilCurves& soilCurves(SoilType type);
/// "G", "S" or "M".
const char* soilLetter(SoilType type);
/// The type of a material by its first suction-curve water content:
/// below 0.05 "G", below 0.1 "M", otherwise "S".
SoilType soilTypeOf(double firstThetaPsi);

/// Writes value at 1-based index k of a growable table, growing it with zeros.
template <class T>
void storeAt(std::vector<T>& table, int k, T value) {
  if (static_cast<size_t>(k) >= table.size()) table.resize(static_cast<size_t>(k) + 1, T{});
  table[static_cast<size_t>(k)] = value;
}

/// Reads index k of a growable table: 0 for a slot never written.
template <class T>
T loadAt(const std::vector<T>& table, int k) {
  return static_cast<size_t>(k) < table.size() ? table[static_cast<size_t>(k)] : T{};
}

/// What carrying conditions over to a new mesh could not keep.
struct ConvertReport {
  bool converted = false;       // false for a first mesh: nothing was carried over
  int nodesWithoutPartner = 0;  // new nodes with no old node within 0.01
  int elementsWithoutPartner = 0;
  int droppedEntries = 0;  // boundary and well list entries with no node at their place
};

/// The whole analysis of one cross-section. Every value lives until it is
/// overwritten; loads replace only what their file carries.
class AnalysisModel {
 public:
  AnalysisModel();

  /// Every value equal (tests use it to see that a refused load changed nothing).
  bool operator==(const AnalysisModel&) const = default;

  // Title and counts.
  std::string TITLE;  // UTF-8 in memory, CP932 in the files
  int NUMNP = 0;
  int NUMEL = 0;
  int NUMMAT = 0;  // largest material number in use; 0 = no conditions set up yet

  // Mesh.
  std::vector<double> X, Y;  // 1..NUMNP; Y is the elevation
  std::vector<Corners> KI;   // 1..NUMEL
  std::vector<int32_t> KN;   // 1..NUMEL: 4, or 3 when KI[e][4] == 0
  std::vector<int32_t> MAT;  // 1..NUMEL

  // Materials, 1..NUMMAT.
  std::vector<double> KH, KV, POIS, SS, MPAR5, MPAR6;
  std::vector<int32_t> NKR, NPSI;
  std::vector<std::vector<double>> THKR, KR;    // [m][k], k = 1..NKR[m]
  std::vector<std::vector<double>> THPSI, PSI;  // [m][k], k = 1..NPSI[m]

  // Nodal conditions, 1..NUMNP.
  std::vector<double> H, Q;
  std::vector<int32_t> KODE;   // 0 free, 1 fixed head, 4 / -4 rainfall node
  std::vector<int32_t> IFIXG;  // fixed-level group, 0 none
  int NFIXWL = 0;
  std::vector<double> FIXWL;  // 1..NFIXWL

  // Seepage faces.
  int NSEEP = 0;
  int MAXSEEP = 0;
  std::vector<int32_t> NSEEPN;              // [f]
  std::vector<std::vector<int32_t>> SEEPN;  // [f][k]
  std::vector<double> SEEPPAR;              // [f]

  // Rainfall.
  int NRAIN = 0;
  std::vector<int32_t> RAINN;  // 1..NRAIN
  int NRTIME = 0;
  std::vector<double> RTIME, RAIN;  // 1..NRTIME; RAIN in m/h
  double RMAX = 0.0;
  double RPAR2 = 0.0;

  // Fluctuating water levels.
  int NFLUCT = 0;
  std::vector<int32_t> NFN;                      // [b]
  std::vector<std::vector<int32_t>> FLN;         // [b][k], grows
  std::vector<int32_t> NFT;                      // [b]
  std::vector<std::vector<double>> FTIME, FLEV;  // [b][k], b = 1..20, grows
  int MAXFN = 0;
  int MAXFT = 0;

  // Flux fluctuation (carried by ZEP.DAT only).
  int NFLUX = 0;
  std::vector<int32_t> NQN;                      // [b]
  std::vector<std::vector<int32_t>> QN;          // [b][k], grows
  std::vector<int32_t> NQT;                      // [b]
  std::vector<std::vector<double>> QTIME, QVAL;  // [b][k], k = 1..200

  // Well block (carried by ZEP.DAT only).
  int NWL1 = 0;
  std::vector<int32_t> WL1;
  int NWL2 = 0;
  std::vector<int32_t> WL2;
  int IPAR4 = 0, IPAR5 = 0, IPAR6 = 0;
  double WPAR1 = 0.0, WPAR2 = 0.0, WPAR3 = 0.0, WPAR4 = 0.0;

  // Solver control.
  int IANAL = 0;
  int ISTEADY = 0;
  int IFORM = 0;
  int ISOLV = 0;
  int MAXITO = 0;
  int MAXIT = 0;
  int NCUL = 0;
  double DT = 0.0, DTMAX = 0.0, DMUL = 0.0, TMAX = 0.0;
  double TOL = 0.0;
  double TSOLV = 0.0;
  int ITMAX = 0;
  int NOUT = 0;
  std::vector<double> TOUT;  // 1..NOUT
  int IPAR1 = 0, IPAR2 = 0, IPAR3 = 0, IPAR7 = 0, IPAR8 = 0, IPAR9 = 0, IPAR10 = 0, IPAR11 = 0,
      IPAR12 = 0, IPAR13 = 0, IPAR14 = 0, IPAR15 = 0, IPAR16 = 0, IPAR17 = 0, IPAR18 = 0;

  // Previous mesh, kept for carrying conditions over to the next one.
  int OLDNUMNP = 0;
  int OLDNUMEL = 0;
  std::vector<double> OLDX, OLDY, OLDH, OLDQ;
  std::vector<int32_t> OLDKODE;
  std::vector<Corners> OLDKI;
  std::vector<int32_t> OLDMAT;
  std::vector<int32_t> OLDRAINN;               // as RAINN
  std::vector<std::vector<int32_t>> OLDFLN;    // as FLN, grows
  std::vector<std::vector<int32_t>> OLDSEEPN;  // as SEEPN
  std::vector<std::vector<int32_t>> OLDQN;     // as QN, grows
  std::vector<int32_t> OLDWL1, OLDWL2;

  // Values the windows share with the file operations.
  std::string DirName;         // folder of the last ZEP.DAT opened ("" = current folder)
  std::vector<double> Gx, Gy;  // element centroids, 1..NUMEL (set by Initial)

  // Derived values.
  /// NUMMAT := max(0, MAT[1..NUMEL]).
  void deriveNUMMAT();
  /// KN of elements 1..NUMEL: 3 when corner 4 is 0, else 4.
  void deriveKN();
  /// MAXSEEP, MAXFN, MAXFT: the largest NSEEPN, NFN, NFT in use (0 when none).
  void deriveMaxCounts();
  /// RMAX := max(0, RAIN[1..NRTIME]); only when NRAIN > 0.
  void deriveRMAX();
  /// KODE from the fixed levels (also setting H to the level), the
  /// fluctuating boundaries and the rainfall nodes. Every list node must lie
  /// in 1..NUMNP and every IFIXG in 0..NFIXWL (RangeError otherwise).
  void deriveNodeCodes();
  /// IFIXG, NFIXWL, FIXWL from KODE and H. A 101st distinct level is a RangeError.
  void rebuildFixedLevelGroups();
  /// Gx, Gy of every element (area-weighted over the two triangles of a quadrilateral).
  void computeCentroids();
  /// The initialisation after every load: centroids and fixed-level groups.
  /// (The view part is the window's: see xmaxxmin.)
  void Initial();
  /// Initial after loading `file`: a refusal names the file ("FILE: ...").
  void initialAfterLoad(const std::string& file);

  /// The number of the node nearest to (x, y) when it lies closer than
  /// 0.0001, else -1; the lowest number wins among equally near nodes.
  int getPoint(double x, double y) const;

  /// True when n is a node of the mesh: 1..NUMNP and within the tables.
  bool hasNode(int n) const { return n >= 1 && n <= NUMNP && static_cast<size_t>(n) < X.size(); }

  /// The number of nodes with IFIXG > 0.
  int countFixedNodes() const;

  // Fixed assignments.
  /// A mesh loaded while NUMMAT < 1.
  void applyFirstMeshAssignments();
  /// The analysis dialog closed with "閉じる".
  void applyAnalysisDialogAssignments();
  /// An old-style file imported.
  void applyLegacyImportAssignments();
  /// Copies a built-in soil type's curves into material m (NKR 21, NPSI 16).
  void setSoilCurves(int m, SoilType type);
};

// Geometry.
double distance(double x1, double y1, double x2, double y2);
/// Heron's formula; 0 when the product under the root is not positive.
double triangleArea(double x1, double y1, double x2, double y2, double x3, double y3);
/// Corners first, the point last; on an edge or a corner counts as inside;
/// a degenerate triangle (area 0) contains nothing.
bool pointInTriangle(double x1, double y1, double x2, double y2, double x3, double y3, double px,
                     double py);

/// The true bounding box of nodes 1..NUMNP; among equal values the first in
/// node order wins (0.0 and -0.0 included). All 0 with no nodes.
Extent nodeBounds(const AnalysisModel& model);

/// The full view extent for a drawing area of width x height pixels: the
/// nodes' box widened to the area's shape around its centre. Never fails:
/// with no nodes or a zero-width box it gives a box around what there is.
Extent xmaxxmin(const AnalysisModel& model, double width, double height);

}  // namespace meshcond
