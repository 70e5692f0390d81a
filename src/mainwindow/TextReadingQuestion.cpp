#include "TextReadingQuestion.h"

#include "Dialogs.h"

bool MayTakeText(const TTextJudgement& Judgement, std::string_view Subject, std::string_view IfDeclined)
{
    const std::string notice = JudgementNotice(Judgement, Subject);
    if (TakesBytesAsTheyStand(Judgement))
        return MessageDlg(notice + "\r\n\r\nバイトのまま読み込みますか？" + std::string(IfDeclined),
                          TMsgDlgType::mtConfirmation, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo})
               == mrYes;
    if (!notice.empty())
        Tell(notice,
             Judgement.Finding == TTextFinding::UnreadableBytes ? TMsgDlgType::mtWarning : TMsgDlgType::mtInformation);
    return true;
}
