#include "sizing/model_trip.h"

#include "core/errors.h"
#include "project/document.h"
#include "project/project_state.h"
#include "sizing/model_loads.h"
#include "sizing/tables.h"

namespace cv {

namespace {

int SizeIndexOfCode(const CalcModel& m, int i, int code) {
  return SizeIndexOf(m.SizeText(i, code), kMaterials[m.material[i]]);
}

std::string MergeEntry(const CalcModel& m, int i, const std::string& normal,
                       const std::string& trip, const std::string& final, bool tripWins) {
  const int p = m.parent[i];
  m.Need(i, kDescription);
  std::string entry = "Current Node: " + std::string(m.Text(i, kAppliance)) +
                      ", Description: " + std::string(m.Text(i, kDescription)) + "\r\n";
  if (p >= 0) {
    m.Need(p, kAppliance);
    m.Need(p, kDescription);
  }
  entry += p < 0 ? std::string("Parent Node: Gas Supply ")
                 : "Parent Node: " + std::string(m.Text(p, kAppliance)) +
                       ", Description: " + std::string(m.Text(p, kDescription));
  const std::string_view material = kMaterials[m.material[i]];
  entry += "\r\nMaterial: " + std::string(material);
  if (material == kPipe)
    entry += "\r\nSteel Pipe";
  else if (tripWins)
    entry += "\r\nCorvanta Pipe";
  entry += "\r\nNormal Flow Size: " + normal + "\r\nTrip Flow Size: " + trip +
           "\r\nSetting the Final size to:" + final;
  return entry;
}

// Keeps the larger of the normal-pass and trip-pass size of every run of
// tubing or pipe, in document order.
void MergeTripSizes(CalcModel& m, const RunValues& trip, CalcTrace* trace) {
  for (int i = 0; i < m.Count(); ++i) {
    m.Need(i, kSize);
    m.Need(i, kMaterial);
    if (m.material[i] < 0) continue;
    const std::string normalSize = m.SizeText(i, m.values.size[i]);
    const std::string tripSize = m.SizeText(i, trip.size[i]);
    const int normalIndex = SizeIndexOfCode(m, i, m.values.size[i]);
    const int tripIndex = SizeIndexOfCode(m, i, trip.size[i]);
    const bool tripWins = !(normalIndex > tripIndex);
    const std::string final =
        SizeNameAt(tripWins ? tripIndex : normalIndex, kMaterials[m.material[i]]);
    m.values.size[i] = SizeCodeOf(final);
    m.values.sizeWritten[i] = 1;
    if (trace) trace->Write(MergeEntry(m, i, normalSize, tripSize, final, tripWins));
  }
}

void SaveTripDocument(const pugi::xml_document& project, const CalcModel& m, const RunValues& trip,
                      const std::string& path) {
  pugi::xml_document copy;
  copy.reset(project);
  WriteRunValues(m, trip, ReadFieldTable(copy));
  SaveDocumentFile(copy, path);
}

}  // namespace

void RunTripFlowPass(const pugi::xml_document& project, CalcModel& m, PassShared& shared,
                     const std::string& tripDocumentPath) {
  if (shared.trace) shared.trace->Write("\r\n***** Executing Trip Flow Calculations *****\r\n");
  RunValues trip = m.values;
  WithContext("modTreeFunctions.SetMaxTripFlow",
              [&] { SetModelTripFlows(m, shared.catalog, trip); });
  if (IsDualSystem(m.root)) TotalModelHighSide(m, trip);
  trip.flow = trip.load;  // the trip-flow pass sizes for its trip flows
  ModelPass tripPass(shared, trip, true);
  tripPass.Run();
  if (shared.trace && !tripDocumentPath.empty())
    SaveTripDocument(project, m, trip, tripDocumentPath);
  WithContext("modTreeFunctions.CompareandSetLargePipeSize",
              [&] { MergeTripSizes(m, trip, shared.trace); });
}

}  // namespace cv
