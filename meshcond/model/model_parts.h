// Every field of the analysis model, for the undo history: counts, values,
// strings and tables, nested tables included, whole to their capacity.
#pragma once

#include "common/history.h"
#include "meshcond/model/analysis_model.h"

namespace meshcond {

/// Calls visit(field) for every field of the model in one fixed order. A new
/// field of AnalysisModel goes here too (the model parts test finds one that
/// does not).
template <class Model, class Visit>
void forEachField(Model& m, Visit&& visit) {
  visit(m.TITLE);
  visit(m.NUMNP);
  visit(m.NUMEL);
  visit(m.NUMMAT);
  visit(m.X);
  visit(m.Y);
  visit(m.KI);
  visit(m.KN);
  visit(m.MAT);
  visit(m.KH);
  visit(m.KV);
  visit(m.POIS);
  visit(m.SS);
  visit(m.MPAR5);
  visit(m.MPAR6);
  visit(m.NKR);
  visit(m.NPSI);
  visit(m.THKR);
  visit(m.KR);
  visit(m.THPSI);
  visit(m.PSI);
  visit(m.H);
  visit(m.Q);
  visit(m.KODE);
  visit(m.IFIXG);
  visit(m.NFIXWL);
  visit(m.FIXWL);
  visit(m.NSEEP);
  visit(m.MAXSEEP);
  visit(m.NSEEPN);
  visit(m.SEEPN);
  visit(m.SEEPPAR);
  visit(m.NRAIN);
  visit(m.RAINN);
  visit(m.NRTIME);
  visit(m.RTIME);
  visit(m.RAIN);
  visit(m.RMAX);
  visit(m.RPAR2);
  visit(m.NFLUCT);
  visit(m.NFN);
  visit(m.FLN);
  visit(m.NFT);
  visit(m.FTIME);
  visit(m.FLEV);
  visit(m.MAXFN);
  visit(m.MAXFT);
  visit(m.NFLUX);
  visit(m.NQN);
  visit(m.QN);
  visit(m.NQT);
  visit(m.QTIME);
  visit(m.QVAL);
  visit(m.NWL1);
  visit(m.WL1);
  visit(m.NWL2);
  visit(m.WL2);
  for (auto* v : {&m.IPAR4, &m.IPAR5, &m.IPAR6}) visit(*v);
  for (auto* v : {&m.WPAR1, &m.WPAR2, &m.WPAR3, &m.WPAR4}) visit(*v);
  for (auto* v : {&m.IANAL, &m.ISTEADY, &m.IFORM, &m.ISOLV, &m.MAXITO, &m.MAXIT, &m.NCUL})
    visit(*v);
  for (auto* v : {&m.DT, &m.DTMAX, &m.DMUL, &m.TMAX, &m.TOL, &m.TSOLV}) visit(*v);
  visit(m.ITMAX);
  visit(m.NOUT);
  visit(m.TOUT);
  for (auto* v : {&m.IPAR1, &m.IPAR2, &m.IPAR3, &m.IPAR7, &m.IPAR8, &m.IPAR9, &m.IPAR10, &m.IPAR11,
                  &m.IPAR12, &m.IPAR13, &m.IPAR14, &m.IPAR15, &m.IPAR16, &m.IPAR17, &m.IPAR18})
    visit(*v);
  visit(m.OLDNUMNP);
  visit(m.OLDNUMEL);
  for (auto* v : {&m.OLDX, &m.OLDY, &m.OLDH, &m.OLDQ}) visit(*v);
  visit(m.OLDKODE);
  visit(m.OLDKI);
  visit(m.OLDMAT);
  visit(m.OLDRAINN);
  visit(m.OLDFLN);
  visit(m.OLDSEEPN);
  visit(m.OLDQN);
  visit(m.OLDWL1);
  visit(m.OLDWL2);
  visit(m.DirName);
  visit(m.Gx);
  visit(m.Gy);
}

/// Adds every field of model to parts; model must outlive parts.
void addModelParts(AnalysisModel& model, common::ModelParts& parts);

}  // namespace meshcond
