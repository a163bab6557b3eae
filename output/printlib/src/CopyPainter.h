#pragma once
// One copy of a hand record: pages of boards in one layout, each page headed
// by the title (and subtitle) with its page number, and footed by the banner.

#include "BoardPainter.h"
#include "PrintJob.h"

#include <QString>

#include <vector>

namespace kv::printlib {

struct TCopyRequest {
    TLayout Layout;
    QString Title;
    QString Subtitle;
    QString Banner;
    TBoardStyle Style;
};

struct TNumberedDeal {
    std::size_t Held; // its place among the held deals, from 0
    const THeldDeal* Deal;
    const TBoardAnalysis* Analysis = nullptr; // when the copy shows double-dummy results
};

class TCopyPainter {
  public:
    TCopyPainter(TPrintJob& job, const TCopyRequest& request);

    // Starts on a fresh page of the job and draws every board given.
    void Print(const std::vector<TNumberedDeal>& boards);

  private:
    // The area left for boards below the header and above the footer.
    QRectF BoardArea() const;
    void DrawHeader(int page, int pages);
    void DrawFooter();

    TPrintJob& job_;
    QPainter& painter_;
    TCopyRequest request_;
    TPageUnits units_;
    TBoardPainter boards_;
};

} // namespace kv::printlib
