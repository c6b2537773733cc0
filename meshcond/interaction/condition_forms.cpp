// Title, analysis-condition and time dialogs: activation and storing.
#include "meshcond/interaction/condition_forms.h"

#include <cmath>
#include <stdexcept>

#include "common/errors.h"
#include "common/numbers.h"
#include "meshcond/model/messages.h"

namespace meshcond::ui {

namespace {

constexpr int kTimeGridDesignRows = 50;

std::string fixed10_3(double value) { return common::formatFixed(value, 10, 3); }

/// The output times the generator makes: start, start + pitch, ... while
/// below end, then end. Counting stops once the limit is passed.
int countOutputTimes(double start, double end, double pitch, int limit) {
  int count = 0;
  for (double t = start; t < end && count <= limit; t += pitch) ++count;
  return count + 1;
}

}  // namespace

std::string titleOnActivate(const AnalysisModel& model) { return model.TITLE; }

void storeTitle(AnalysisModel& model, std::string_view text) { model.TITLE = std::string(text); }

void activateAnalysisForm(const AnalysisModel& model, AnalysisForm& form) {
  if (model.IANAL >= 1 && model.IANAL <= 3) form.analysis = model.IANAL;
  form.steady = model.ISTEADY == 1;
  if (model.IFORM >= 0 && model.IFORM <= 2) form.property = model.IFORM;
  form.pcg = model.ISOLV != 0;
  form.maxito = std::to_string(model.MAXITO);
  form.maxit = std::to_string(model.MAXIT);
  form.ncul = std::to_string(model.NCUL);
}

void storeAnalysisForm(const AnalysisForm& form, AnalysisModel& model) {
  if (form.analysis >= 1 && form.analysis <= 3) model.IANAL = form.analysis;
  model.IPAR1 = 0;
  model.ISTEADY = form.steady ? 1 : -1;
  if (form.property >= 0 && form.property <= 2) model.IFORM = form.property;
  model.ISOLV = form.pcg ? 1 : 0;
  model.MAXITO = intIn(form.maxito, msg::window::maxito());
  model.MAXIT = intIn(form.maxit, msg::window::maxit());
  model.NCUL = intIn(form.ncul, msg::window::ncul());
  model.applyAnalysisDialogAssignments();
}

TimeForm::TimeForm() : times(1, kTimeGridDesignRows) {
  times.setCell(0, 0, msg::window::timeHeading());
}

std::string& TimeForm::edit(TimeEdit which) {
  switch (which) {
    case TimeEdit::TOL:
      return tol;
    case TimeEdit::DT:
      return dt;
    case TimeEdit::DTMAX:
      return dtmax;
    case TimeEdit::DMUL:
      return dmul;
    case TimeEdit::TMAX:
      return tmax;
    case TimeEdit::TSOLV:
      return tsolv;
    case TimeEdit::ITMAX:
      return itmax;
  }
  throw std::logic_error("unknown time edit");
}

const std::string& TimeForm::edit(TimeEdit which) const {
  return const_cast<TimeForm*>(this)->edit(which);
}

const char* timeEditLabel(TimeEdit which) {
  switch (which) {
    case TimeEdit::TOL:
      return msg::window::tolLabel();
    case TimeEdit::DT:
      return msg::window::dtLabel();
    case TimeEdit::DTMAX:
      return msg::window::dtmaxLabel();
    case TimeEdit::DMUL:
      return msg::window::dmulLabel();
    case TimeEdit::TMAX:
      return msg::window::tmaxLabel();
    case TimeEdit::TSOLV:
      return msg::window::tsolvLabel();
    case TimeEdit::ITMAX:
      return msg::window::itmaxLabel();
  }
  return "";
}

void activateTimeForm(const AnalysisModel& model, TimeForm& form) {
  form.tol = fixed10_3(model.TOL * 100);
  form.dt = fixed10_3(model.DT);
  form.dtmax = fixed10_3(model.DTMAX);
  form.dmul = fixed10_3(model.DMUL);
  form.tmax = common::formatFixed(model.TMAX, 10, 1);
  form.solverEditsEnabled = model.ISOLV != 0;
  if (form.solverEditsEnabled) {
    form.tsolv = common::formatE(model.TSOLV * 100, 10, 3);
    form.itmax = common::formatInt(model.ITMAX, 10);
  }
  form.times.setRowCount(model.NOUT + 10);
  form.times.setCell(0, 0, msg::window::timeHeading());
  for (int k = 1; k <= model.NOUT; ++k) form.times.setCell(0, k, fixed10_3(model.TOUT.at(k)));
}

std::string leaveTimeEdit(TimeEdit which, std::string_view text, AnalysisModel& model) {
  const char* label = timeEditLabel(which);
  if (which == TimeEdit::ITMAX) {
    model.ITMAX = intIn(text, label);
    return common::formatInt(model.ITMAX, 10);
  }
  double value = realIn(text, label);
  switch (which) {
    case TimeEdit::TOL:
      model.TOL = value / 100;
      return fixed10_3(value);
    case TimeEdit::DT:
      model.DT = value;
      return fixed10_3(value);
    case TimeEdit::DTMAX:
      model.DTMAX = value;
      return fixed10_3(value);
    case TimeEdit::DMUL:
      model.DMUL = value;
      return fixed10_3(value);
    case TimeEdit::TMAX:
      model.TMAX = value;
      return common::formatFixed(value, 10, 1);
    case TimeEdit::TSOLV:
      model.TSOLV = value / 100;
      return common::formatE(value, 10, 3);
    case TimeEdit::ITMAX:
      break;
  }
  return std::string(text);
}

std::string leaveTimeCell(std::string_view text) {
  if (auto value = realOf(text)) return fixed10_3(*value);
  return "";
}

void fillOutputTimes(TimeForm& form) {
  double start = realIn(form.start, msg::window::start());
  double end = realIn(form.end, msg::window::end());
  double pitch = realIn(form.pitch, msg::window::pitch());
  if (!(pitch > 0)) throw common::RangeError(msg::pitchNotPositive(common::formatGeneral(pitch)));
  int count = countOutputTimes(start, end, pitch, kOutputTimeCapacity);
  if (count > kOutputTimeCapacity)
    throw common::RangeError(
        msg::tooManyOutputTimes(kOutputTimeCapacity, common::formatGeneral(start),
                                common::formatGeneral(end), common::formatGeneral(pitch)));
  // The grid is end / pitch + 10 rows long, at least long enough for the
  // times (a negative start makes more times than end / pitch).
  double wanted = std::floor(end / pitch) + 10;
  int rows = (wanted >= count + 1 && wanted <= kOutputTimeCapacity + 10) ? static_cast<int>(wanted)
                                                                         : count + 10;
  form.times.clearColumns(0, 0);
  form.times.setRowCount(rows);
  int row = 1;
  for (double t = start; t < end; t += pitch)
    form.times.setCell(0, row++, common::formatFixed(t, 9, 3));
  form.times.setCell(0, row, common::formatFixed(end, 9, 3));
}

void storeTimeForm(const TimeForm& form, AnalysisModel& model) {
  int count = 0;
  while (count + 1 < form.times.rowCount() && !trimmed(form.times.cell(0, count + 1)).empty())
    ++count;
  if (count > kOutputTimeCapacity)
    throw common::RangeError(
        msg::outputTimesAboveCapacity(msg::window::outputTimes(), count, kOutputTimeCapacity));
  model.DMUL = realIn(form.dmul, timeEditLabel(TimeEdit::DMUL));
  model.DT = realIn(form.dt, timeEditLabel(TimeEdit::DT));
  model.DTMAX = realIn(form.dtmax, timeEditLabel(TimeEdit::DTMAX));
  model.TMAX = realIn(form.tmax, timeEditLabel(TimeEdit::TMAX));
  model.TOL = realIn(form.tol, timeEditLabel(TimeEdit::TOL)) / 100;
  if (model.ISOLV > 0) {
    model.ITMAX = intIn(form.itmax, timeEditLabel(TimeEdit::ITMAX));
    model.TSOLV = realIn(form.tsolv, timeEditLabel(TimeEdit::TSOLV)) / 100;
  }
  model.NOUT = 0;
  for (int row = 1; row <= count; ++row) {
    double t = realIn(form.times.cell(0, row), msg::window::outputTimeCell(cellName(0, row)));
    model.TOUT.at(row) = t;
    model.NOUT = row;
  }
}

}  // namespace meshcond::ui
