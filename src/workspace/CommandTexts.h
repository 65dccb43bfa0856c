#pragma once
// The captions of the dialogs through which the commands ask for their choices,
// kept with the commands so that the windows that run them hold no text of their own.

namespace grafida::texts {

inline constexpr const char* kBasicMatricesCaption = "Calculate basic matrices";
// The last item of the Basic matrices list, after BasicMatrixItems(): ticks or unticks all.
inline constexpr const char* kCalculateAll = "Calculate all";
inline constexpr const char* kKeepMatrices = "Keep matrices";
inline constexpr const char* kKeepMatrix = "Keep matrix";

inline constexpr const char* kWMatrixCaption = "W matrix calculation";
inline constexpr const char* kWalkOperatorCaption = "Calculate matrix by Walk operator";
inline constexpr const char* kSourceMatrixLabel = "Source matrix";
inline constexpr const char* kSelectedMatrixLabel = "Selected matrix";
inline constexpr int kWalkOperatorMatrixCount = 3;

inline constexpr const char* kLayerMatrixCaption = "Calculate layer matrix";
inline constexpr const char* kShellMatrixCaption = "Calculate shell matrix";
inline constexpr const char* kCombinatorialCaption = "Calculate combinatorial";

inline constexpr const char* kEigenvaluesCaption = "Calculate eigen values and vectors";
inline constexpr const char* kKeepEigenvectors = "Keep eigen vectors";

inline constexpr const char* kSumCaption = "Select matrix to perform sum";
inline constexpr const char* kDifferenceCaption =
    " Select matrix to perform diference"; // the blank is the program's
inline constexpr const char* kCramerCaption = "Select matrix to perform Cramer product";
inline constexpr const char* kHadamardCaption = "Select matrix to perform Hadamard product";
inline constexpr const char* kReciprocalCaption = "Calculate reciprocal";

} // namespace grafida::texts
