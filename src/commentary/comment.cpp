#include "commentary/comment.h"

void Comment(Game& g, int commentId, int captionId) {
  g.t.CommentId = commentId;
  g.t.ButtonCaptionId = captionId;
  g.out->ShowComment(commentId, captionId);
}
