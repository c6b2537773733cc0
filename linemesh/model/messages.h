#pragma once

#include <string>

/// The mesh maker's texts, all in one place: every message a user of the mesh
/// maker (window or batch tool) can read is made here, so that another
/// language is one table away. Numbers come in already formatted where their
/// format matters (coordinates, sizes).
namespace linemesh::text {

// The tables of the line network.
enum class Table { Node, Line, Element };
std::string tableFull(Table table, int capacity);
std::string divideOverCapacity(int line, int parts, int nodeCapacity, int lineCapacity);

// Automatic meshing.
std::string autoMeshNodeMissing(int node);
std::string autoMeshUnexpectedElementType(int type);
std::string autoMeshSizeNotPositive(const std::string& size);
std::string autoMeshGmshFailed(const std::string& why);
std::string autoMeshLargeMesh(int nodes, int elements, int editorNodes, int editorElements);
/// `reached` is autoMeshReachedNodes or autoMeshReachedNodesAndLines.
std::string autoMeshOverCapacity(const std::string& size, const std::string& reached,
                                 int nodeCapacity, int lineCapacity, const std::string& fits);
std::string autoMeshReachedNodes(long nodes);
std::string autoMeshReachedNodesAndLines(long nodes, long lines);
std::string autoMeshOpenBoundary(int node);
std::string autoMeshNoFaceAt(const std::string& x, const std::string& y);
std::string autoMeshAmbiguousOutline(int node);

// Formation faults.
const char* fiveCornerCellsCaption();
const char* cellsWithoutElementCaption();
const char* nodesWithoutElementCaption();
/// "<caption> N 個: ".
std::string faultLineHead(const char* caption, size_t count);
const char* nodesPrefix();
std::string nodesMore(long count);
const char* areaLabel();

// Reading files.
const char* m3wFileKind();
const char* nodeWord();
const char* lineWord();
const char* nodeNumber();
std::string lineRecord(int j, int count);
std::string tooManyElementSides(size_t capacity);

// Writing files.
std::string fiveCornerCellsRefused(const std::string& fileKind, size_t cells,
                                   const std::string& corners, int firstNode, const std::string& x,
                                   const std::string& y);
std::string lineOwner(int line);
std::string elementOwner(int element);
std::string nodeOutsideNetwork(const std::string& owner, int node, int nodes);
std::string vokaCoordinateTooWide(int node, const char* name, const std::string& value);
const char* vokaFileKind();
const char* meshDataKind();
// The layers of the line and element plots (DXF).
const char* layerNodes();
const char* layerNodeNumbers();
const char* layerElementNumbers();
const char* layerElements();
const char* layerFaultyCells();

// The window: status line, message boxes, step names (shown by 元に戻す and
// やり直し), file filters and captions.
std::string formationHead(int elements, int triangles, int quadrilaterals);
std::string angleRange(double minAngle, double maxAngle);
std::string worstElement(int element, double minAngle, double maxAngle);
const char* formationLegend();
std::string pickingStatus(double size, size_t faces);
const char* noFacePicked();
std::string autoMeshStatus(int elements, int faces);
std::string facesKept(int faces);
std::string meshSizeInvalid(const std::string& typed);
std::string written(const std::string& what, const std::string& path);
const char* unsavedQuestion();
const char* stepTidyLines();
const char* stepAddLine();
const char* stepDeleteNode();
const char* stepDeleteLine();
const char* stepDivideLine();
const char* stepForm();
const char* stepAutoMesh();
const char* stepTidyForSave();
const char* snapOn();
const char* snapOff();
const char* connectFree();
const char* connectOrthogonal();
std::string nodeCaption(int nodes);
std::string elementCaption(int elements);
const char* filterM3WOrDxf();
const char* filterMeshData();
const char* filterM3W();
const char* filterM2W();
const char* filterDxf();
const char* filterZep();
const char* filterVoka();
const char* writtenM3W();
const char* writtenM2W();
const char* writtenLinePlot();
const char* writtenElementPlot();
const char* writtenMeshData();
const char* writtenVoka();
/// The caption of a window's widget (menu item, button, label) by its object
/// name ("Load1" -> "読み込み(&L)"); an unknown name is given back as it is.
const char* caption(const char* objectName);
const char* programName();
const char* saveButton();
const char* discardButton();
const char* cancelButton();
const char* autoMeshTitle();
const char* meshSizeLabel();
const char* allFacesChoice();
const char* clickedFacesChoice();
const char* facesLabel();

}  // namespace linemesh::text
