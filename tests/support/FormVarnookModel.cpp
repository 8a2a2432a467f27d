#include "support/FormVarnookModel.h"

namespace {

constexpr std::int32_t NameColumnWidth = 178;
constexpr std::int32_t ModifiedColumnWidth = 131;
constexpr std::int32_t NewNameColumnWidth = 178;
constexpr std::int32_t LetterCaseStyles = 5;
constexpr std::int32_t FolderLabelWidth = 313;

} // namespace

FormVarnookModel::FormVarnookModel()
    : listViewFolderItems_({NameColumnWidth, ModifiedColumnWidth, NewNameColumnWidth}),
      comboOptionsConversion_(LetterCaseStyles), labelFolderCurrentfolder_(FolderLabelWidth)
{
}
