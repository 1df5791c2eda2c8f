// The pages the report can print, in print order, under their page catalogue keys. A
// page's rules module describes it; a page added to the program gets its row here.

#include "edit/book_rules.h"
#include "edit/dtmf_rules.h"
#include "edit/two_tone_rules.h"
#include "edit/report.h"

namespace px {
namespace {

const ReportPage kReportPages[] = {
    {"channels", Message::PrintChannelInfo, DescribeChannelsPage},
    {"dtmf", Message::PrintDtmf, DescribeDtmfPage},
    {"twotone", Message::PrintTwoTone, DescribeTwoTonePage},
    {"book", Message::PrintCommunicationBook, DescribeBookPage},
    {"embedded", Message::PrintEmbeddedMessage, nullptr},
};

}  // namespace

std::span<const ReportPage> ReportPages() { return kReportPages; }

}  // namespace px
