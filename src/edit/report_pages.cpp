// The pages the report can print, in print order, under their page catalogue keys. A
// page's rules module describes it; a page added to the program gets its row here.

#include "edit/alert_rules.h"
#include "edit/book_rules.h"
#include "edit/dtmf_rules.h"
#include "edit/five_tone_rules.h"
#include "edit/key_rules.h"
#include "edit/option_rules.h"
#include "edit/report.h"
#include "edit/scan_rules.h"
#include "edit/two_tone_rules.h"

namespace px {
namespace {

const ReportPage kReportPages[] = {
    {"channels", Message::PrintChannelInfo, DescribeChannelsPage},
    {"options", Message::PrintOption, DescribeOptionsPage},
    {"keys", Message::PrintOption, DescribeKeysPage, 5029},
    {"dtmf", Message::PrintDtmf, DescribeDtmfPage},
    {"twotone", Message::PrintTwoTone, DescribeTwoTonePage},
    {"fivetone", Message::PrintFiveTone, DescribeFiveTonePage},
    {"scan", Message::PrintOption, DescribeScanPage, kTextScanCaption},
    {"alert", Message::PrintOption, DescribeAlertPage, kTextAlertCaption},
    {"book", Message::PrintCommunicationBook, DescribeBookPage},
    {"embedded", Message::PrintEmbeddedMessage, nullptr},
};

}  // namespace

std::span<const ReportPage> ReportPages() { return kReportPages; }

}  // namespace px
